#include "platform/qt/wav_player.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef IONVUE_HAVE_QT_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace ionvue {

struct WavPlayer::Impl {
#ifdef IONVUE_HAVE_QT_MULTIMEDIA
  QSoundEffect effect;
#endif
  QString player;  // an external player when Qt has no audio module
  bool looked = false;
};

WavPlayer::WavPlayer() : impl_(std::make_unique<Impl>()) {}
WavPlayer::~WavPlayer() = default;

void WavPlayer::Play(const QString& path) {
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal" || platform.isEmpty()) return;
  if (!QFileInfo(path).isFile()) return;
#ifdef IONVUE_HAVE_QT_MULTIMEDIA
  impl_->effect.setSource(QUrl::fromLocalFile(path));
  impl_->effect.play();
#else
  if (!impl_->looked) {
    impl_->looked = true;
    for (const char* name : {"paplay", "pw-play", "aplay"}) {
      impl_->player = QStandardPaths::findExecutable(name);
      if (!impl_->player.isEmpty()) break;
    }
  }
  if (impl_->player.isEmpty()) return;
  QProcess process;
  process.setProgram(impl_->player);
  QStringList args;
  if (impl_->player.endsWith("aplay")) args << "-q";
  args << path;
  process.setArguments(args);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.startDetached();
#endif
}

}  // namespace ionvue
