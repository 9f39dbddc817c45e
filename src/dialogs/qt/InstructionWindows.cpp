// The instruction windows: a read-only text loaded from the data folders, sized for
// its 80 columns.

#include "dialogs/qt/InstructionWindows.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStyle>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "graphics/qt/FontFaces.h"

namespace lm {

namespace {

// The texts are laid out in 80 columns; the window opens wide enough for them but
// never smaller than its classic 427 x 273.
constexpr int kMinWidth = 427;
constexpr int kMinHeight = 273;
constexpr int kColumns = 82;
constexpr int kRows = 32;

}  // namespace

TextFileWindow::TextFileWindow(const QString& objectName, const QString& caption,
                               const QString& fileName, QWidget* parent)
    : QDialog(parent), fileName_(fileName) {
    setObjectName(objectName);
    setWindowTitle(caption);

    // Lies under the text box and is never seen; it names the file once it is loaded.
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->move(8, 8);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    // Read-only keeps the keys that move through the text: Ctrl+End to its end, Ctrl+Home back.
    memo1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo1_->setToolTip(fileName);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setFont(FaceFont(FontFace::Fixed));
    memo1_->setPlainText(QStringLiteral("Memo1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo1_);

    const QFontMetrics metrics(memo1_->font());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * memo1_->frameWidth();
    setMinimumSize(kMinWidth, kMinHeight);
    resize(std::max(kMinWidth, metrics.horizontalAdvance(QLatin1Char('M')) * kColumns + scrollBar),
           std::max(kMinHeight, metrics.lineSpacing() * kRows));
}

void TextFileWindow::Load(const DataFolders& folders) {
    const DataText loaded = LoadDataText(fileName_.toStdString(), folders);
    if (!loaded.ok()) {
        loadError_ = QString::fromStdString(loaded.error);
        return;
    }
    loadError_.clear();
    memo1_->setPlainText(QString::fromUtf8(loaded.text.data(), static_cast<qsizetype>(loaded.text.size())));
    label1_->setText(fileName_);
}

void TextFileWindow::LoadAtStartUp(const std::function<void(const QString&)>& report) {
    Load(StandardDataFolders(QCoreApplication::applicationDirPath().toStdString()));
    if (loadError_.isEmpty()) return;
    if (report)
        report(loadError_);
    else
        ShowLoadError(parentWidget(), loadError_);
}

Inst::Inst(QWidget* parent)
    : TextFileWindow(QStringLiteral("Inst"), QStringLiteral("Instructions"),
                     QStringLiteral("instruct.doc"), parent) {}

SpecialInst::SpecialInst(QWidget* parent)
    : TextFileWindow(QStringLiteral("SpecialInst"), QStringLiteral("Linkmotion Special Instructions"),
                     QStringLiteral("LmISpIns.doc"), parent) {}

void ShowLoadError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("LoadErrorBox"));
    box.exec();
}

}  // namespace lm
