// A test-only style plugin that reports, on standard error, the layout
// direction and the button texts of every message box the program shows.
// Loaded through QT_PLUGIN_PATH and QT_STYLE_OVERRIDE; it draws as Fusion.
#include <QAbstractButton>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStylePlugin>
#include <cstdio>

class MessageBoxProbe : public QProxyStyle {
 public:
  MessageBoxProbe() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr) return;
    QString line = box->layoutDirection() == Qt::RightToLeft ? "right-to-left" : "left-to-right";
    for (const QAbstractButton* button : box->buttons()) line += ' ' + button->text();
    std::fprintf(stderr, "message box: %s\n", line.toUtf8().constData());
  }
};

class MessageBoxProbePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "message_box_probe.json")

 public:
  QStyle* create(const QString&) override { return new MessageBoxProbe; }
};

#include "message_box_probe.moc"
