#pragma once
// Short WAV cues. Silent when the file is missing, when there is no audio
// device or player, and on headless platforms.

#include <QString>
#include <memory>

namespace ionvue {

class WavPlayer {
 public:
  WavPlayer();
  ~WavPlayer();
  void Play(const QString& path);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ionvue
