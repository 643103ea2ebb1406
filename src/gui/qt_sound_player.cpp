#include "gui/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <string_view>

#include "support/wave_header.h"

namespace brenx::gui {
namespace {

QAudioFormat::SampleFormat QtSampleFormat(support::SampleType type) {
    switch (type) {
        case support::SampleType::Unsigned8:
            return QAudioFormat::UInt8;
        case support::SampleType::Signed16:
            return QAudioFormat::Int16;
        case support::SampleType::Signed24:
        case support::SampleType::Signed32:
            return QAudioFormat::Int32;
        case support::SampleType::Float32:
            return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

// The output takes no 24-bit samples: each becomes the top three bytes of a
// 32-bit one.
QByteArray Widened24(QByteArrayView samples) {
    QByteArray wide(samples.size() / 3 * 4, '\0');
    for (qsizetype from = 0, to = 0; from + 3 <= samples.size(); from += 3, to += 4) {
        wide[to + 1] = samples[from];
        wide[to + 2] = samples[from + 1];
        wide[to + 3] = samples[from + 2];
    }
    return wide;
}

}  // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    Close();
}

bool QtSoundPlayer::Open(const QString& hostPath) {
    Close();
    samples_.clear();
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(kMaxSoundBytes);
    const support::WaveReading reading =
        support::ReadWaveHeader(std::string_view(bytes.constData(), bytes.size()));
    if (!reading.sound) {
        qWarning("brenx: no alarm from %s: %s", qUtf8Printable(hostPath), reading.fault);
        return false;
    }
    const support::WaveSound& sound = *reading.sound;
    const QByteArrayView data(bytes.constData() + sound.dataOffset,
                              static_cast<qsizetype>(sound.dataBytes));
    samples_ =
        sound.sampleType == support::SampleType::Signed24 ? Widened24(data) : data.toByteArray();
    format_.setSampleFormat(QtSampleFormat(sound.sampleType));
    format_.setChannelCount(sound.channels);
    format_.setSampleRate(sound.sampleRate);
    return true;
}

void QtSoundPlayer::Close() {
    if (sink_) sink_->stop();
    sink_.reset();
    source_.close();
}

bool QtSoundPlayer::IsPlaying() const {
    return sink_ && sink_->state() == QAudio::ActiveState;
}

// An output that stopped with an error (the device went away, the sound
// server ended) will not play the sound again.
bool QtSoundPlayer::LastPlayFailed() const {
    if (!sink_) return false;
    const QAudio::Error error = sink_->error();
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

bool QtSoundPlayer::Play() {
    if (samples_.isEmpty() || LastPlayFailed()) return false;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(format_)) return false;
    Close();
    source_.setData(samples_);
    source_.open(QIODevice::ReadOnly);
    // Pull mode: the output reads the samples from memory as it needs them.
    sink_ = std::make_unique<QAudioSink>(output, format_);
    sink_->start(&source_);
    return !LastPlayFailed();
}

}  // namespace brenx::gui
