// The start-up baselines: a Qt program that shows one empty window, or, with
// the argument "caption", one that shows a Chinese caption in it (which has
// Qt set up its fonts first, as any window with text does); Esc closes it.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

class EmptyWindow : public QWidget {
 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape) close();
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.setWindowTitle("minimal-window");
  window.resize(515, 615);
  if (argc > 1 && QByteArray(argv[1]) == "caption") new QLabel(QString::fromUtf8("正则表达式："), &window);
  window.show();
  return app.exec();
}
