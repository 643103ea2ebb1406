// The alarm heard: a sound server of the test's own takes the alarm into a
// null sink, whose monitor is recorded. Qt looks for sound devices once per
// process, so ctest runs it alone (label sound).

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include "gui/gui_kit.h"
#include "gui/message_dialog.h"
#include "gui/qt_sound_player.h"

namespace brenx::gui {
namespace {

int Loudest(const QByteArray& s16) {
    int loudest = 0;
    for (qsizetype at = 0; at + 1 < s16.size(); at += 2)
        loudest = std::max(loudest, std::abs(int{qFromLittleEndian<qint16>(s16.data() + at)}));
    return loudest;
}

TEST(AlarmSound, AQuestionsAlarmReachesTheSoundServer) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        environment.insert(name, home.path());
    QProcess server;
    server.setProcessEnvironment(environment);
    server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "-L",
                                "module-null-sink sink_name=brenxtest", "-L",
                                "module-native-protocol-unix auth-anonymous=1"});
    const QString socket = home.filePath("pulse/native");
    for (int wait = 0;
         wait < 100 && server.state() != QProcess::NotRunning && !QFile::exists(socket); ++wait)
        QThread::msleep(50);
    if (!QFile::exists(socket))
        GTEST_SKIP() << "pulseaudio did not start: " << server.errorString().toStdString()
                     << server.readAllStandardError().toStdString();
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    if (QMediaDevices::defaultAudioOutput().id() != "brenxtest")
        GTEST_SKIP() << "Qt looked for sound devices before the server was up: run it alone";
    QProcess recorder;
    recorder.setProcessEnvironment(environment);
    recorder.start("parec", {"--raw", "--latency-msec=20", "--format=s16le", "--channels=1",
                             "--rate=8000", "-d", "brenxtest.monitor"});
    ASSERT_TRUE(recorder.waitForStarted()) << "parec: " << recorder.errorString().toStdString();

    QtSoundPlayer player;
    int beeps = 0;
    Alarm alarm(player, [&beeps] { ++beeps; });
    alarm.SetSound(BRENX_ALARM_SOUND);
    MessageDialog dialog(alarm, nullptr);
    // The question waits until the sink has played sound (a null sink may
    // take two seconds to start), ten seconds at most.
    QByteArray recorded;
    bool noiseButton = false;
    QElapsedTimer waited;
    waited.start();
    QTimer listen;
    QObject::connect(&listen, &QTimer::timeout, [&] {
        recorded += recorder.readAllStandardOutput();
        if (Loudest(recorded) < 10'000 && waited.elapsed() < 10'000) return;
        noiseButton = dialog.NoiseButton()->isVisible();
        dialog.OkButton()->click();
    });
    listen.start(100);
    dialog.Show(MessageKind::Confirm, "Give up now?", true);
    EXPECT_GE(Loudest(recorded), 10'000) << recorded.size() << " bytes recorded";
    EXPECT_TRUE(noiseButton);
    EXPECT_EQ(beeps, 0);
    recorder.terminate();
    recorder.waitForFinished();
    server.terminate();
    server.waitForFinished();
}

}  // namespace
}  // namespace brenx::gui
