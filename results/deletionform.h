// The progress window of the bulk list operations: "Deleting selected
// files..." over a gauge from 0 to 100. It lives for the program's run; its
// gauge keeps its last value between runs.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TfrmDeletion;
}

class TfrmDeletion : public QWidget {
    Q_OBJECT

public:
    // centreOn: the window it is centred on when shown (the screen if none).
    explicit TfrmDeletion(QWidget* centreOn = nullptr);
    ~TfrmDeletion() override;

    // Shows it, without blocking, above every other window.
    void ShowTopmost();
    // Sets the gauge and draws it at once: the operation keeps the event
    // loop waiting until it ends.
    void SetProgress(int percent);

private:
    std::unique_ptr<Ui::TfrmDeletion> ui;
    QWidget* centreOn;
};
