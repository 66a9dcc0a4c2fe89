// What reaches which object while a responsive wait runs: the progress box
// takes everything; other windows repaint but take no input, their close
// requests and the keys typed before the box showed are held back, to be
// carried out once the wait's caller has returned.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

// Runs fn from the event loop that is running now, once the code running in
// it has returned: unlike a queued call, not inside a wait that code enters
// meanwhile (Qt's deferred deletion keeps to the loop it was asked in).
void PostAfterCurrentEvent(std::function<void()> fn);

class WaitGate : public QObject {
 public:
  // Filters every event of the application from now until destruction. own is
  // the wait's own object (its loop), whose children pass too; on_close_request
  // runs when a top-level window other than the box is asked to close.
  WaitGate(QObject* own, std::function<void()> on_close_request);
  ~WaitGate() override;

  // The progress box: it and its children take input.
  void AdmitBox(QWidget* box);
  // From now on keys for other windows are dropped rather than held.
  void BoxShown();
  // Once the wait's caller has returned, the held keys reach their windows
  // and each window whose close was held is asked to close again.
  void ReissueHeld();

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  bool Admitted(const QObject* receiver) const;
  void HoldClose(QWidget* window, QEvent* close);
  void GiveActivationBackToBox();

  QObject* own_;
  std::function<void()> on_close_request_;
  QPointer<QWidget> box_;
  bool holding_keys_ = true;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_keys_;
  std::vector<QPointer<QWidget>> held_closes_;
};

}  // namespace platform
