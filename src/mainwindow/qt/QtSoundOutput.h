// The sound output used by the running program.

#pragma once

#include <QString>

#include <map>
#include <memory>
#include <string>

#include "common/SoundOutput.h"

class QSoundEffect;

namespace lm {

// Sounds through Qt Multimedia. A wave file is found by name in the current directory,
// beside the program or in the installed data folder; without it, or without an audio
// device, playing is silent.
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    void Play(std::string_view fileName) override;
    void SetVolume(std::uint16_t perChannel) override;
    void Beep() override;

    // Where Play would find the file; empty if nowhere.
    static QString FindSoundFile(const QString& fileName);

private:
    QSoundEffect* EffectFor(const std::string& fileName);

    bool haveDevice_ = false;
    double volume_ = 0.5;
    // One effect per file, loaded once; playing one stops the others.
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace lm
