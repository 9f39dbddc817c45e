// What the program remembers of the user's surroundings between runs.

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QWidget;

namespace lm {

// Window places, the last folder of each file dialog and the recent sets, kept with
// QSettings. The gear's own state (dimensions, settings, view) is never kept here: the
// program always starts as it defines. Values are kept under this format's own group, so
// a settings file from another version is neither read nor destroyed; a damaged file or
// value reads as nothing remembered.
class SettingsStore {
public:
    // The user's own settings, where QSettings keeps the application's.
    SettingsStore();
    // A file of its own (INI format), for tests.
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    // Forgets everything this program remembers.
    void Clear();

    // What QWidget::saveGeometry gave for the window of that object name; empty if none.
    QByteArray WindowGeometry(const QString& window) const;
    void SetWindowGeometry(const QString& window, const QByteArray& geometry);

    // The folder a file dialog last chose in; empty when none is remembered or the
    // folder is gone.
    QString LastFolder(const QString& dialog) const;
    // Remembers the folder of `file`, a path the dialog chose.
    void SetLastFolderOf(const QString& dialog, const QString& file);

    // The sets last opened or saved, newest first, at most kRecentSets.
    QStringList RecentSets() const;
    void AddRecentSet(const QString& path);
    void RemoveRecentSet(const QString& path);
    static constexpr int kRecentSets = 8;

    // Writes what is pending; false when the file cannot be written.
    bool Sync();

private:
    std::unique_ptr<QSettings> settings_;
};

// The store the program's windows remember through: none in tests (nothing is then
// remembered or read), the user's once the program has set it.
SettingsStore* ProgramSettings();
void SetProgramSettings(SettingsStore* store);

// For a file dialog known by `dialog`: `name` in the folder it was last in (the name as
// it is when none is remembered), and remembering the folder of the file it chose.
QString InRememberedFolder(const QString& dialog, const QString& name);
void RememberFolderOf(const QString& dialog, const QString& file);

// The window comes back where it was: its place and size are restored as it is first
// shown and remembered whenever it is hidden, under its object name.
void RememberGeometry(QWidget* window);

}  // namespace lm
