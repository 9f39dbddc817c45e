// The remembered surroundings, read defensively: whatever is in the file may be damaged.

#include "desktop/qt/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

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

}  // namespace lm
