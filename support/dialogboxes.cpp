#include "support/dialogboxes.h"

#include "platform/folderbrowser.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

namespace {

QMessageBox::Icon IconFor(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ShowDialogBox(HWND owner, const char* text, const char* caption, UINT type)
{
    QMessageBox box(IconFor(type), QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text),
                    QMessageBox::NoButton, reinterpret_cast<QWidget*>(owner));
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int ShowOnInterfaceThread(HWND owner, const char* text, const char* caption, UINT type)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() == application->thread())
        return ShowDialogBox(owner, text, caption, type);
    int answer = IDCANCEL;
    QMetaObject::invokeMethod(
        application, [&] { answer = ShowDialogBox(owner, text, caption, type); }, Qt::BlockingQueuedConnection);
    return answer;
}

// Folders only; without the new-folder flag the dialog cannot make one.
std::optional<std::string> ShowFolderDialog(HWND owner, const char* title, UINT flags)
{
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    if ((flags & BIF_NONEWFOLDERBUTTON) != 0)
        options |= QFileDialog::ReadOnly;
    const QString folder = QFileDialog::getExistingDirectory(reinterpret_cast<QWidget*>(owner),
                                                             QString::fromLocal8Bit(title), QString(), options);
    if (folder.isEmpty())
        return std::nullopt;
    return QFile::encodeName(folder).toStdString();
}

}  // namespace

void InstallDialogBoxes()
{
    SetMessageBoxHandler(ShowOnInterfaceThread);
    SetFolderBrowserHandler(ShowFolderDialog);
}
