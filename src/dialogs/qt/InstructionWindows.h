// The two instruction windows of the Help menu: the user guide (Inst) and the working
// techniques (SpecialInst), each showing a plain-text file read once at start-up.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

#include "common/DataFiles.h"

class QLabel;
class QPlainTextEdit;

namespace lm {

// A read-only text window over one data file. Loading never stops the program: a file
// that cannot be read leaves the placeholder line "Memo1" and an error text.
class TextFileWindow : public QDialog {
    Q_OBJECT

public:
    TextFileWindow(const QString& objectName, const QString& caption, const QString& fileName,
                   QWidget* parent);

    // Reads the file from the first of the folders that has it.
    void Load(const DataFolders& folders);
    // Loads from the standard folders; on failure hands the error text to `report`,
    // which by default shows the modal "Error Loading " box.
    void LoadAtStartUp(const std::function<void(const QString&)>& report = {});

    const QString& fileName() const { return fileName_; }
    // "Error Loading NAME: why" after a failed load, else empty.
    const QString& loadError() const { return loadError_; }
    QPlainTextEdit* memo() const { return memo1_; }

private:
    QString fileName_;
    QString loadError_;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
};

// "Instructions": the user guide, instruct.doc.
class Inst : public TextFileWindow {
    Q_OBJECT
public:
    explicit Inst(QWidget* parent = nullptr);
};

// "Linkmotion Special Instructions": the working techniques, LmISpIns.doc.
class SpecialInst : public TextFileWindow {
    Q_OBJECT
public:
    explicit SpecialInst(QWidget* parent = nullptr);
};

// Shows the modal "Error Loading " box; the caller's start-up goes on afterwards.
void ShowLoadError(QWidget* parent, const QString& message);

}  // namespace lm
