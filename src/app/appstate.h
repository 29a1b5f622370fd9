#pragma once
// Program-wide state shared by all windows, under the names used throughout
// the program. Touched only from the GUI thread.

#include <QString>
#include <QStringList>

inline const QString ProgramVersion = QStringLiteral("0.16_alpha_release");

struct AppState {
    // Folders
    QString StartDir;            // data root: folder of the program file
    QString ConfigDir;           // per-user settings folder
    QString TempDir;             // scratch folder for downloads
    QChar Slash = QLatin1Char('/');

    bool FirstStart = true;
    QString Thema = QStringLiteral("Black");
    int FontSize = 18;
    QString GekozenDeck;
    QString GeladenVerzameling;
    int AantalVerzamelingen = 0;

    // Drag state of the tool windows; one drag at a time.
    bool MovingDB = false, MovingFoto = false, MovingCollectie = false, MovingDecks = false;
    bool ResizingDB = false, ResizingCollectie = false, ResizingDecks = false;
    int OudX = 0, OudY = 0;

    // Whether each tool window is open (true) or reduced to its icon.
    bool FormDBVisible = true, FormFotoVisible = true;
    bool FormCollectieVisible = false, FormDecksVisible = false;

    bool Answer = false;         // button chosen in the message window

    // The command line (argument 0 is the program file).
    QStringList Arguments;
};

AppState &App();

// Test seams: when set before the main window is created, these replace the
// folder of the program file, the temporary folder and the command line.
struct StartupOverrides {
    QString startDir;
    QString tempDir;
    bool useArguments = false;
    QStringList arguments;
};
StartupOverrides &Overrides();
