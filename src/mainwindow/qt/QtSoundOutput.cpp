// Playing the program's wave files through Qt Multimedia, silently without them.

#include "mainwindow/qt/QtSoundOutput.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "common/DataFiles.h"

namespace lm {

QtSoundOutput::QtSoundOutput() : volume_(kStartVolume / 65535.0) {
    haveDevice_ = !QMediaDevices::defaultAudioOutput().isNull();
}

QtSoundOutput::~QtSoundOutput() = default;

QString QtSoundOutput::FindSoundFile(const QString& fileName) {
    const std::string path = FindDataFile(
        fileName.toStdString(),
        StandardDataFolders(QCoreApplication::applicationDirPath().toStdString()));
    return QString::fromStdString(path);
}

QSoundEffect* QtSoundOutput::EffectFor(const std::string& fileName) {
    auto found = effects_.find(fileName);
    if (found != effects_.end()) return found->second.get();
    // A file that is missing now stays silent for the run; it is not searched for again.
    std::unique_ptr<QSoundEffect> effect;
    const QString path = FindSoundFile(QString::fromStdString(fileName));
    if (!path.isEmpty()) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
        effect->setVolume(static_cast<float>(volume_));
    }
    return effects_.emplace(fileName, std::move(effect)).first->second.get();
}

void QtSoundOutput::Play(std::string_view fileName) {
    if (!haveDevice_) return;
    QSoundEffect* effect = EffectFor(std::string(fileName));
    if (!effect) return;
    for (auto& [name, other] : effects_)
        if (other && other.get() != effect) other->stop();
    // Restarting the same effect replaces the beat still sounding.
    effect->stop();
    effect->play();
}

void QtSoundOutput::SetVolume(std::uint16_t perChannel) {
    volume_ = perChannel / 65535.0;
    for (auto& [name, effect] : effects_)
        if (effect) effect->setVolume(static_cast<float>(volume_));
}

void QtSoundOutput::Beep() { QApplication::beep(); }

}  // namespace lm
