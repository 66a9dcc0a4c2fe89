// What reaches which object while a responsive wait runs: the progress box
// takes everything; other windows repaint but take no input, and their close
// requests are held back, to be carried out once the wait is over.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace platform {

class WaitGate : public QObject {
 public:
  // Filters every event of the application from now until destruction. own is
  // the wait's own object (its loop), whose children pass too; on_close_request
  // runs when a top-level window other than the box is asked to close.
  WaitGate(QObject* own, std::function<void()> on_close_request);
  ~WaitGate() override;

  // The progress box, once it exists: it and its children take input.
  void AdmitBox(QWidget* box);
  // Asks each window whose close was held back to close again; the request
  // runs from the event loop, after the code that waited has returned.
  void ReissueHeldCloses();

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  bool Admitted(const QObject* receiver) const;
  void HoldClose(QWidget* window, QEvent* close);
  void GiveActivationBackToBox();

  QObject* own_;
  std::function<void()> on_close_request_;
  QPointer<QWidget> box_;
  std::vector<QPointer<QWidget>> held_closes_;
};

}  // namespace platform
