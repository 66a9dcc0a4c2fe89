// The start-up baseline: a Qt program that shows one empty window and closes
// on Esc, timed beside the workbench.
#include <QApplication>
#include <QKeyEvent>
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
  window.show();
  return app.exec();
}
