// The alarm heard: a sound server of the test's own, with a null sink, takes
// what the alarm plays, and a recording of the sink's monitor must hold
// sound. Run alone (ctest -L sound): Qt looks for sound devices once.

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>

#include "gui/gui_kit.h"
#include "gui/message_dialog.h"
#include "gui/qt_sound_player.h"

namespace brenx::gui {
namespace {

constexpr const char* kSink = "brenxtest";
// The test's sound peaks at 20000; silence is 0.
constexpr int kLoud = 10'000;

int Loudest(const QByteArray& samples16) {
    int loudest = 0;
    for (qsizetype at = 0; at + 1 < samples16.size(); at += 2) {
        const auto sample = static_cast<qint16>(static_cast<quint8>(samples16[at]) |
                                                (static_cast<quint8>(samples16[at + 1]) << 8));
        loudest = std::max(loudest, std::abs(int{sample}));
    }
    return loudest;
}

// Starts pulseaudio in `home`; the reason it could not, or empty.
QString StartServer(QProcess& server, const QString& home) {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("parec").isEmpty()) {
        return "pulseaudio or parec is not installed";
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        environment.insert(name, home);
    environment.insert("PULSE_RUNTIME_PATH", home + "/pulse");
    server.setProcessEnvironment(environment);
    server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "-L",
                                QString("module-null-sink sink_name=%1").arg(kSink), "-L",
                                "module-native-protocol-unix auth-anonymous=1"});
    const QString socket = home + "/pulse/native";
    for (int wait = 0; wait < 100 && !QFile::exists(socket); ++wait)
        QThread::msleep(50);
    if (!QFile::exists(socket)) return "pulseaudio did not start: " + server.readAllStandardError();
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    return {};
}

TEST(AlarmSound, TheAlarmReachesTheSoundServer) {
    QTemporaryDir home;
    QProcess server;
    const QString fault = StartServer(server, home.path());
    if (!fault.isEmpty()) GTEST_SKIP() << fault.toStdString();
    if (QMediaDevices::defaultAudioOutput().id() != kSink)
        GTEST_SKIP() << "Qt found its sound devices before the server was up: run this test alone";

    QProcess recorder;
    recorder.setProcessEnvironment(server.processEnvironment());
    recorder.start("parec", {"--raw", "--latency-msec=20", "--format=s16le", "--channels=1",
                             "--rate=8000", "-d", QString("%1.monitor").arg(kSink)});
    ASSERT_TRUE(recorder.waitForStarted());
    QtSoundPlayer player;
    int beeps = 0;
    Alarm alarm(player, [&beeps] { ++beeps; });
    testing::WriteAlarmWave(home.filePath("alarm.wav"));
    alarm.SetSound(home.filePath("alarm.wav"));
    MessageDialog dialog(alarm, nullptr);
    // The question waits until the sink has played sound (a null sink takes
    // up to two seconds to start), ten seconds at most.
    QByteArray recorded;
    bool noiseButton = false;
    QElapsedTimer waited;
    waited.start();
    QTimer listen;
    QObject::connect(&listen, &QTimer::timeout, [&] {
        recorded += recorder.readAllStandardOutput();
        if (Loudest(recorded) < kLoud && waited.elapsed() < 10'000) return;
        noiseButton = dialog.NoiseButton()->isVisible();
        dialog.OkButton()->click();
    });
    listen.start(100);
    dialog.Show(MessageKind::Confirm, "Give up now?", true);
    recorder.terminate();
    recorder.waitForFinished();
    server.terminate();
    server.waitForFinished();

    EXPECT_GE(Loudest(recorded), kLoud) << recorded.size() << " bytes recorded";
    EXPECT_TRUE(noiseButton);
    EXPECT_EQ(beeps, 0);
}

}  // namespace
}  // namespace brenx::gui
