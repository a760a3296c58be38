#include <QGenericPlugin>
#include <cstdio>

#include "tests/window/support/window_texts.h"

namespace {

// Loaded into the real program by "-plugin texts_probe": once its window is
// shown, prints what the window shows, a text a line, and ends the program.
class TextsProbe : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "texts_probe.json")

 public:
  QObject* create(const QString&, const QString&) override {
    auto* timer = new QTimer;  // deleted with the application's plugins
    QObject::connect(timer, &QTimer::timeout, [] {
      for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
          std::puts(quarvel::testing::windowTexts(*window).join('\n').toUtf8().constData());
          QCoreApplication::exit(0);  // main returns, and the output is flushed
        }
      }
    });
    timer->start(10);
    return timer;
  }
};

}  // namespace

#include "texts_probe.moc"
