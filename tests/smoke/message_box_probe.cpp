// A test-only style plugin that reports, on standard error, the layout
// direction, the button texts and the text of every message box the program
// shows, and beside them the entries of a multi-line text box's context
// menu, as Qt translates them in the same process.
// Loaded through QT_PLUGIN_PATH and QT_STYLE_OVERRIDE; it draws as Fusion.
#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStylePlugin>
#include <cstdio>
#include <memory>

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
    std::fprintf(stderr, "message box text: %s\n", box->text().simplified().toUtf8().constData());
    std::fprintf(stderr, "context menu: %s\n", ContextMenuEntries().toUtf8().constData());
  }

 private:
  static QString ContextMenuEntries() {
    QPlainTextEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
      if (!action->isSeparator()) entries << action->text().section('\t', 0, 0);  // without the shortcut
    return entries.join(' ');
  }
};

class MessageBoxProbePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "message_box_probe.json")

 public:
  QStyle* create(const QString&) override { return new MessageBoxProbe; }
};

#include "message_box_probe.moc"
