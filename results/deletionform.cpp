#include "results/deletionform.h"

#include "ui_deletionform.h"

#include <QScreen>

TfrmDeletion::TfrmDeletion(QWidget* centre)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), ui(std::make_unique<Ui::TfrmDeletion>()),
      centreOn(centre)
{
    ui->setupUi(this);
    setFixedSize(313, 65);
}

TfrmDeletion::~TfrmDeletion() = default;

void TfrmDeletion::ShowTopmost()
{
    const QRect area = centreOn != nullptr ? centreOn->frameGeometry() : screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
}

void TfrmDeletion::SetProgress(int percent)
{
    if (ui->pbDel->value() == percent)
        return;
    ui->pbDel->setValue(percent);
    if (isVisible())
        repaint();
}
