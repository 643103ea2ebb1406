// The alarm heard: a pulseaudio server of the test's own plays it into a null
// sink whose monitor is recorded. Run alone (label sound): Qt looks for its
// sound devices once per process.

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include "gui/gui_kit.h"
#include "gui/message_dialog.h"
#include "gui/qt_sound_player.h"

namespace brenx::gui {
namespace {

TEST(AlarmSound, AQuestionsAlarmReachesTheSoundServer) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        environment.insert(name, home.path());
    QProcess server, recorder;
    server.setProcessEnvironment(environment);
    recorder.setProcessEnvironment(environment);
    server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                                "module-null-sink sink_name=brenxtest", "-L",
                                "module-native-protocol-unix auth-anonymous=1"});
    const QString socket = home.filePath("pulse/native");
    for (int wait = 0; wait < 100 && server.state() != QProcess::NotRunning; ++wait) {
        if (QFile::exists(socket)) break;
        QThread::msleep(50);
    }
    if (!QFile::exists(socket))
        GTEST_SKIP() << "pulseaudio did not start: " << server.errorString().toStdString()
                     << server.readAllStandardError().toStdString();
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    if (QMediaDevices::defaultAudioOutput().id() != "brenxtest")
        GTEST_SKIP() << "Qt looked for sound devices before the server was up: run it alone";
    recorder.start("parec", {"--raw", "--latency-msec=20", "-d", "brenxtest.monitor"});
    ASSERT_TRUE(recorder.waitForStarted()) << "parec: " << recorder.errorString().toStdString();

    QtSoundPlayer player;
    int beeps = 0;
    Alarm alarm(player, [&beeps] { ++beeps; });
    alarm.SetSound(BRENX_ALARM_SOUND);
    MessageDialog dialog(alarm, nullptr);
    // The question waits for sound in the recording, that is bytes that are
    // not silence (a null sink may take two seconds to start), ten seconds
    // at most.
    QByteArray recorded;
    const auto heard = [&recorded] { return recorded.count('\0') < recorded.size(); };
    QElapsedTimer waited;
    waited.start();
    QTimer listen;
    QObject::connect(&listen, &QTimer::timeout, [&] {
        recorded += recorder.readAllStandardOutput();
        if (!heard() && waited.elapsed() < 10'000) return;
        EXPECT_TRUE(dialog.NoiseButton()->isVisible());
        dialog.OkButton()->click();
    });
    listen.start(100);
    dialog.Show(MessageKind::Confirm, "Give up now?", true);
    EXPECT_TRUE(heard()) << recorded.size() << " bytes of silence recorded";
    EXPECT_EQ(beeps, 0);
    recorder.kill();
    server.kill();
    recorder.waitForFinished();
    server.waitForFinished();
}

}  // namespace
}  // namespace brenx::gui
