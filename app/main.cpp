#include "alkalmazas.h"

#include "foablak/tfrm_main.h"
#include "ikonok.h"
#include "kapcsolat.h"
#include "seged.h"
#include <QFont>

int main(int argc, char** argv) {
    SegedAlkalmazas app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvano"));
    Seged::ProgramCimBeallit(QStringLiteral("Pelvano"));
    app.setGorgoBillentyu(true);
    // The windows are laid out for an 8-point dialog font.
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    QApplication::setWindowIcon(Ikon::Kep(Ikon::Program));
    // Waiting for another workstation shows the wait cursor at once.
    Kapcsolat::setVarakozasJelzo(&Seged::HomokOraMuveletVegeig);
    Tfrm_Main frm_Main;
    if (!frm_Main.Inditas())
        return 1;
    frm_Main.show();
    return app.exec();
}
