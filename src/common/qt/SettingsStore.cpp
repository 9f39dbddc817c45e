// The remembered surroundings, read defensively: whatever is in the file may be damaged.

#include "common/qt/SettingsStore.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <QWidget>

namespace lm {

namespace {

// The group of this format of the settings; a later format takes a new one.
constexpr const char* kFormat = "format1";

SettingsStore* gProgramSettings = nullptr;

QString Key(const char* section, const QString& name = QString()) {
    QString key = QString("%1/%2").arg(kFormat, section);
    // A name must not reach into another key.
    if (!name.isEmpty()) key += '/' + QString(name).replace('/', '_').replace('\\', '_');
    return key;
}

}  // namespace

SettingsStore::SettingsStore() : settings_(std::make_unique<QSettings>()) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::Clear() { settings_->remove(kFormat); }

QByteArray SettingsStore::WindowGeometry(const QString& window) const {
    const QVariant v = settings_->value(Key("geometry", window));
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

void SettingsStore::SetWindowGeometry(const QString& window, const QByteArray& geometry) {
    settings_->setValue(Key("geometry", window), geometry);
}

QString SettingsStore::LastFolder(const QString& dialog) const {
    const QVariant v = settings_->value(Key("folders", dialog));
    if (v.typeId() != QMetaType::QString) return {};
    const QString folder = v.toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void SettingsStore::SetLastFolderOf(const QString& dialog, const QString& file) {
    if (file.isEmpty()) return;
    settings_->setValue(Key("folders", dialog), QFileInfo(file).absolutePath());
}

QStringList SettingsStore::RecentSets() const {
    const QVariant v = settings_->value(Key("recent"));
    QStringList sets;
    // One name alone is read back from an INI file as a string.
    if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QString) sets = v.toStringList();
    sets.removeAll(QString());
    sets.removeDuplicates();
    return sets.mid(0, kRecentSets);
}

void SettingsStore::AddRecentSet(const QString& path) {
    if (path.isEmpty()) return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList sets = RecentSets();
    sets.removeAll(absolute);
    sets.prepend(absolute);
    settings_->setValue(Key("recent"), sets.mid(0, kRecentSets));
}

void SettingsStore::RemoveRecentSet(const QString& path) {
    QStringList sets = RecentSets();
    sets.removeAll(path);
    settings_->setValue(Key("recent"), sets);
}

bool SettingsStore::Sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

SettingsStore* ProgramSettings() { return gProgramSettings; }
void SetProgramSettings(SettingsStore* store) { gProgramSettings = store; }

QString InRememberedFolder(const QString& dialog, const QString& name) {
    const QString folder = gProgramSettings ? gProgramSettings->LastFolder(dialog) : QString();
    if (folder.isEmpty()) return name;
    return QDir(folder).filePath(QFileInfo(name).fileName());
}

void RememberFolderOf(const QString& dialog, const QString& file) {
    if (gProgramSettings) gProgramSettings->SetLastFolderOf(dialog, file);
}

namespace {

class GeometryKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        SettingsStore* store = ProgramSettings();
        if (!store || window->objectName().isEmpty()) return false;
        if (event->type() == QEvent::Show && !restored_) {
            restored_ = true;
            // A damaged or foreign value is refused by Qt and the window opens as made.
            const QByteArray geometry = store->WindowGeometry(window->objectName());
            if (!geometry.isEmpty()) window->restoreGeometry(geometry);
        } else if (event->type() == QEvent::Hide) {
            store->SetWindowGeometry(window->objectName(), window->saveGeometry());
        }
        return false;
    }

private:
    bool restored_ = false;
};

}  // namespace

void RememberGeometry(QWidget* window) { window->installEventFilter(new GeometryKeeper(window)); }

}  // namespace lm
