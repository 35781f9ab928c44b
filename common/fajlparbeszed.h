#pragma once
// The desktop's file dialogs. Every open and save dialog of the programs goes
// through here, so that tests can give the next file name instead of a
// person: while the test mode is on, no dialog is shown, the call is
// recorded and the answer comes from a queue. A call that finds no queued
// answer warns through qWarning and answers as a cancel.
//
// Filters are written as pairs of a description and a pattern separated by
// "|": "CSV állományok (*.csv)|*.csv|Minden állomány (*.*)|*.*".

#include <QList>
#include <QString>
#include <optional>

class QWidget;

class FajlParbeszed {
public:
    // The save-file dialog: caption, filters, proposed file name, default
    // extension (without the dot; added when the name typed has none).
    // Returns the full file name, or the empty text when cancelled.
    static QString Mentes(const QString& cim, const QString& szurok, const QString& kezdo,
                          const QString& alapKiterjesztes = {}, QWidget* szulo = nullptr);

    // The open-file dialog: caption, filters, starting folder, default
    // extension. Returns the full name of an existing file, or the empty
    // text when cancelled.
    static QString Megnyitas(const QString& cim, const QString& szurok, const QString& kezdo,
                             const QString& alapKiterjesztes = {}, QWidget* szulo = nullptr);

    // The folder browse dialog: caption and starting folder. Returns the
    // chosen folder's full path, or the empty text when cancelled.
    static QString Mappa(const QString& cim, const QString& kezdo, QWidget* szulo = nullptr);

    // The filters in the form of Qt's file dialogs ("CSV állományok
    // (*.csv);;Minden állomány (*.*)").
    static QString QtSzuro(const QString& szurok);

    // Test mode.
    struct Hivas {
        QString cim;
        QString szurok;
        QString kezdo;
        QString alapKiterjesztes;
        bool operator==(const Hivas&) const = default;
    };
    static void tesztBekapcsol();
    static void tesztKikapcsol(); // also forgets the calls and answers
    static bool tesztAktiv();
    // The answer of the next dialog: a file name, or std::nullopt for cancel.
    static void kovetkezo(std::optional<QString> fajl);
    // The dialogs asked for since the test mode was switched on.
    static QList<Hivas> hivasok();
    static int maradekValasz();
};
