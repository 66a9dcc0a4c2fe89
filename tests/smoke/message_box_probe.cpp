// A test-only style plugin that reports, on standard error, the layout
// direction and the button texts of every message box the program shows.
// Loaded through QT_PLUGIN_PATH and QT_STYLE_OVERRIDE; it draws as Fusion.
#include <QAbstractButton>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleFactory>
#include <QStylePlugin>
#include <cstdio>

namespace {

class MessageBoxProbe : public QProxyStyle {
 public:
  MessageBoxProbe() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
      QStringList texts;
      for (const QAbstractButton* button : box->buttons()) texts << button->text();
      const bool mirrored = box->layoutDirection() == Qt::RightToLeft;
      std::fprintf(stderr, "message box: %s %s\n", mirrored ? "right-to-left" : "left-to-right",
                   texts.join(' ').toUtf8().constData());
    }
  }
};

}  // namespace

class MessageBoxProbePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "message_box_probe.json")

 public:
  QStyle* create(const QString&) override { return new MessageBoxProbe; }
};

#include "message_box_probe.moc"
