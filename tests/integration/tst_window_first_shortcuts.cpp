// The window's listed shortcuts win over a focused text field's keys; other keys stay the field's.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

#include "TestProgram.h"
#include "qt/WindowFirstShortcuts.h"

class WindowFirstShortcutsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void listedShortcutsWinOverTheFocusedField_data();
  void listedShortcutsWinOverTheFocusedField();
  void otherKeysStayWithTheField();

 private:
  QAction* addAction(const QKeySequence& keys);

  std::unique_ptr<QMainWindow> window_;
  QComboBox* combo_ = nullptr;
  QLineEdit* field_ = nullptr;
  QAction* windowFirst_ = nullptr;
  QAction* fieldFirst_ = nullptr;
};

QAction* WindowFirstShortcutsTest::addAction(const QKeySequence& keys) {
  auto* action = new QAction(window_.get());
  action->setShortcut(keys);
  window_->addAction(action);
  return action;
}

void WindowFirstShortcutsTest::init() {
  window_ = std::make_unique<QMainWindow>();
  auto* central = new QWidget(window_.get());
  auto* layout = new QVBoxLayout(central);
  combo_ = new QComboBox(central);
  combo_->setEditable(true);
  field_ = new QLineEdit(central);
  layout->addWidget(combo_);
  layout->addWidget(field_);
  window_->setCentralWidget(central);

  // A text field claims both keys on every platform ("select all", "cut"), as it claims Ctrl+E
  // ("end of line") under X11.
  windowFirst_ = addAction(QKeySequence(Qt::CTRL | Qt::Key_A));
  fieldFirst_ = addAction(QKeySequence(Qt::CTRL | Qt::Key_X));
  auto* first = new corvane::WindowFirstShortcuts(window_.get());
  first->add(windowFirst_->shortcut());

  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowFirstShortcutsTest::cleanup() { window_.reset(); }

void WindowFirstShortcutsTest::listedShortcutsWinOverTheFocusedField_data() {
  QTest::addColumn<bool>("inCombo");
  QTest::newRow("editable box") << true;
  QTest::newRow("text field") << false;
}

void WindowFirstShortcutsTest::listedShortcutsWinOverTheFocusedField() {
  QFETCH(bool, inCombo);
  QWidget* target = inCombo ? static_cast<QWidget*>(combo_) : field_;
  QLineEdit* edit = inCombo ? combo_->lineEdit() : field_;
  edit->setText(QStringLiteral("abc"));
  edit->setCursorPosition(1);
  target->setFocus();
  QVERIFY(TestProgram::waitUntil([&] { return target->hasFocus(); }, 2000));

  QSignalSpy triggered(windowFirst_, &QAction::triggered);
  QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(triggered.count(), 1);
  QCOMPARE(edit->selectedText(), QString());
  QCOMPARE(edit->cursorPosition(), 1);
}

void WindowFirstShortcutsTest::otherKeysStayWithTheField() {
  combo_->lineEdit()->setText(QStringLiteral("abc"));
  combo_->setFocus();
  QVERIFY(TestProgram::waitUntil([&] { return combo_->hasFocus(); }, 2000));
  QSignalSpy triggered(fieldFirst_, &QAction::triggered);

  combo_->lineEdit()->selectAll();
  QTest::keyClick(combo_, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(combo_->currentText(), QString());
  QTest::keyClick(combo_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(combo_, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(combo_->currentText(), QStringLiteral("abcabc"));
  QCOMPARE(triggered.count(), 0);
}

QTEST_MAIN(WindowFirstShortcutsTest)
#include "tst_window_first_shortcuts.moc"
