#include "alkalmazas.h"
#include "seged.h"
#include "tfrm_main.h"

int main(int argc, char** argv) {
    SegedAlkalmazas app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvano"));
    Seged::ProgramCimBeallit(QStringLiteral("Pelvano"));
    app.setGorgoBillentyu(true);
    Tfrm_Main frm_Main;
    if (!frm_Main.Inditas())
        return 1;
    frm_Main.show();
    return app.exec();
}
