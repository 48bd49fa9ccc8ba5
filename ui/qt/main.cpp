// The Linux desktop program: the game in a native window. It takes no command line but --help
// and --version.
#include "ui/qt/main_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* Usage =
    "Usage: yorunami\n"
    "ヨルナミ (Yorunami): checkers against the computer, or for two people at one mouse.\n"
    "Play red with the left mouse button; the right button cancels a selection. The menu\n"
    "starts a new game, changes the settings and quits. The game takes no options.\n"
    "  --help     show this help\n"
    "  --version  show the version\n";

// -1 to start the game, else the exit code for the arguments, already answered.
int answerArguments(int argc, char** argv) {
    if (argc == 1) {
        return -1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("yorunami %s\n", YORUNAMI_VERSION);
        return 0;
    }
    std::fprintf(stderr, "yorunami: unexpected argument '%s' (the game takes none; see --help)\n",
                 argv[1]);
    return 2;
}

constexpr const char* NoDisplay =
    "yorunami: no display to open the window on; start it from a desktop session\n";

bool mayHaveDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (platform != nullptr && *platform != '\0') || std::getenv("DISPLAY") != nullptr ||
           std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Qt ends the process when no platform plugin starts: say why in one line instead of a crash.
// Before it gives up it says which plugins it tried: one it could not find is not installed (the
// Wayland one comes in its own package); one it found could not reach the display. In place only
// while the application starts.
void startUpMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    static QString missingPlugin; // the last plugin Qt could not find, while it starts
    const QString notFound = QStringLiteral("Could not find the Qt platform plugin ");
    if (message.startsWith(notFound)) {
        missingPlugin = message.mid(notFound.size()).section(QLatin1Char(' '), 0, 0);
    }
    if (type != QtFatalMsg) {
        return;
    }
    if (missingPlugin.isEmpty()) {
        std::fputs(NoDisplay, stderr);
    } else {
        std::fprintf(stderr,
                     "yorunami: Qt cannot load its platform plugin %s for this desktop; on "
                     "Wayland, install qt6-wayland\n",
                     qPrintable(missingPlugin));
    }
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    const int answered = answerArguments(argc, argv);
    if (answered >= 0) {
        return answered;
    }
    if (!mayHaveDisplay()) {
        std::fputs(NoDisplay, stderr);
        return 1;
    }
    qInstallMessageHandler(startUpMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("yorunami"));
    QApplication::setDesktopFileName(QStringLiteral("yorunami"));

    MainWindow window;
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
