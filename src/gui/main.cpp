// brenx: Brenx on the desktop. The command line of brenxc; the run in the
// main window, questions in its dialogs, the run's exit code as the
// process's.

#include <QApplication>
#include <string>
#include <vector>

#include "gui/interrupt_stop.h"
#include "gui/main_window.h"
#include "gui/qt_sound_player.h"
#include "platform/program_arguments.h"

int main(int argc, char** argv) {
    // The switches are the program's own: Qt is given none of them, so that
    // none is taken for one of Qt's (-style, -display, ...).
    const std::vector<std::string> arguments = brenx::platform::ProgramArguments(argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // Only the end of the run ends the program, never a dialog that closes.
    QApplication::setQuitOnLastWindowClosed(false);

    brenx::gui::QtSoundPlayer player;
    brenx::gui::MainWindow window(arguments, player);
    QObject::connect(&window, &brenx::gui::MainWindow::Finished, &application, &QApplication::exit);
    brenx::gui::InterruptStop interrupt;
    if (interrupt.Install()) {
        QObject::connect(&interrupt, &brenx::gui::InterruptStop::Pressed, &window,
                         &brenx::gui::MainWindow::StopButtonClick);
    }
    window.show();
    return QApplication::exec();
}
