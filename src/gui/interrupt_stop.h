#pragma once

#include <QObject>

class QSocketNotifier;

namespace brenx::gui {

// Ctrl-C on the terminal that started the program is a Stop press, not the
// end of the program half-way through a file. The signal only writes a byte
// into a pipe; the window's event loop reads it and reports Pressed.
class InterruptStop : public QObject {
    Q_OBJECT

  public:
    explicit InterruptStop(QObject* parent = nullptr);
    ~InterruptStop() override;

    // Routes SIGINT here; false when it cannot be caught.
    bool Install();

  signals:
    void Pressed();

  private slots:
    void Drain();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brenx::gui
