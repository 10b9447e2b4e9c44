// Shared window layer: run-time dialogs and their centring, the value-entry dialog's
// typing filter and range check, and the splitter frame's sizes.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "common/gui/runtime_dialog.h"
#include "common/gui/splitter_frame.h"
#include "common/gui/value_entry_dialog.h"

class SharedDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void centredOverTheParentAndKeptOnTheWorkArea() {
    QCOMPARE(GUI_CentreOver(QRect(100, 50, 800, 600), QSize(200, 100), nullptr), QPoint(400, 300));
    // A parent larger than its dialog on the far right of the screen: the dialog is
    // pulled back inside the work area.
    const QRect area(0, 0, 1024, 768);
    QCOMPARE(GUI_CentreOver(QRect(900, 700, 400, 200), QSize(300, 120), &area), QPoint(724, 648));
    QCOMPARE(GUI_CentreOver(QRect(-300, -200, 100, 100), QSize(300, 120), &area), QPoint(0, 0));
    // Without a work area a negative corner stays.
    QCOMPARE(GUI_CentreOver(QRect(-300, -200, 100, 100), QSize(300, 120), nullptr), QPoint(-400, -210));
  }

  void controlsFromTheDescription() {
    const GuiControlDesc controls[] = {
        {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 190, 20, 80, 25},
        {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 190, 50, 80, 25},
        {GUI_CTRL_CHECK, "Suppress &logging", 110, 30, 24, 130, 14},
        {GUI_CTRL_GROUP, "Group", 120, 20, 60, 40, 50},
        {GUI_CTRL_CHECK, "A check box whose text is much longer than its place", 111, 30, 80, 20, 14},
        {GUI_CTRL_BUTTON, "Beside", 130, 60, 78, 40, 20},
    };
    RuntimeDialog dialog(nullptr, GuiDialogDesc{"Logging", 294, 120, controls, 6});
    QCOMPARE(dialog.windowTitle(), QString("Logging"));
    const double s = dialog.Scale(), sx = dialog.ScaleX();
    QVERIFY(s >= 1.0);
    QVERIFY(sx >= s);
    auto* check = dialog.Get<QCheckBox>(110);
    QVERIFY(check);
    QCOMPARE(check->text(), QString("Suppress &logging"));
    QCOMPARE(check->geometry().topLeft(), QPoint(int(30 * sx + 0.5), int(24 * s + 0.5)));
    QCOMPARE(check->width(), int(130 * sx + 0.5));
    // The long text widens its control, the group around it and the dialog.
    auto* longer = dialog.Get<QCheckBox>(111);
    QCOMPARE(longer->width(), longer->sizeHint().width());
    QVERIFY(dialog.Control(120)->geometry().right() > longer->geometry().right());
    QVERIFY(dialog.width() > longer->geometry().right());
    // The button that stood beside it moves right of it, and the column further right
    // (OK and Cancel) moves along; the first check box stays.
    QVERIFY(dialog.Control(130)->x() > longer->geometry().right());
    QVERIFY(dialog.Control(GUI_ID_OK)->x() > dialog.Control(130)->x());
    QCOMPARE(dialog.Control(GUI_ID_OK)->x(), dialog.Control(GUI_ID_CANCEL)->x());
    QCOMPARE(check->x(), int(30 * sx + 0.5));
    QVERIFY(dialog.width() >= int(294 * sx + 0.5));
    QCOMPARE(dialog.height(), int(120 * s + 0.5));
    QVERIFY(dialog.Get<QPushButton>(GUI_ID_OK)->isDefault());
    QVERIFY(!dialog.Get<QPushButton>(GUI_ID_CANCEL)->isDefault());
    QVERIFY(!dialog.Control(999));
    // OK accepts, Cancel rejects.
    dialog.open();
    dialog.Get<QPushButton>(GUI_ID_CANCEL)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.open();
    dialog.Get<QPushButton>(GUI_ID_OK)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void valueTextsInBothRadixes() {
    QCOMPARE(VALUE_Format(255, 16), std::string("FF"));
    QCOMPARE(VALUE_Format(-10, 10), std::string("-10"));
    QCOMPARE(VALUE_Format(0, 16), std::string("0"));
    QCOMPARE(VALUE_Format(INT64_MIN, 16), std::string("-8000000000000000"));
    QCOMPARE(VALUE_Parse("ff", 16), int64_t(255));
    QCOMPARE(VALUE_Parse("-12x3", 10), int64_t(-12));
    QCOMPARE(VALUE_Parse("", 10), int64_t(0));
    QCOMPARE(VALUE_Parse("99999999999999999999999", 10), INT64_MAX);
    QCOMPARE(VALUE_Parse("-99999999999999999999999", 10), INT64_MIN);
  }

  void typingIsFiltered() {
    int64_t v = 0;
    const ValueField hex{"Code", 16, 0, 0xFFFF, &v};
    const ValueField signedDec{"Offset", 10, -5, 5, &v};
    QVERIFY(VALUE_AcceptsChar(hex, "", 0, 'a'));
    QVERIFY(VALUE_AcceptsChar(hex, "", 0, 'F'));
    QVERIFY(!VALUE_AcceptsChar(hex, "", 0, 'G'));
    QVERIFY(!VALUE_AcceptsChar(hex, "", 0, '-'));  // minimum not negative
    QVERIFY(!VALUE_AcceptsChar(signedDec, "", 0, 'A'));
    QVERIFY(VALUE_AcceptsChar(signedDec, "3", 0, '-'));
    QVERIFY(!VALUE_AcceptsChar(signedDec, "3", 1, '-'));   // not at the start
    QVERIFY(!VALUE_AcceptsChar(signedDec, "-3", 0, '-'));  // already there
  }

  void rangeMessagesNameTheLimitInTheRadix() {
    int64_t v = 0;
    const ValueField hex{"Last", 16, 0x20, 0xFFFF, &v};
    QCOMPARE(VALUE_RangeMessage(hex, 0x10000), std::string("\"Last\" exceeds maximum value.\nMaximum value is: FFFF"));
    QCOMPARE(VALUE_RangeMessage(hex, 0x1F), std::string("\"Last\" exceeds minimum value.\nMinimum value is: 20"));
    QCOMPARE(VALUE_RangeMessage(hex, 0x20), std::string());
  }

  void valueEntryDialogBeepsChecksAndStores() {
    int64_t first = 0x41, count = 3;
    ValueField fields[2] = {{"First", 16, 0, 0xFFFF, &first}, {"Count", 10, -2, 100, &count}};
    ValueEntryDialog dialog(nullptr, "Range", fields, 2);
    QCOMPARE(dialog.size(), QSize(int(288 * dialog.ScaleX() + 0.5), int(150 * dialog.Scale() + 0.5)));
    int beeps = 0;
    QStringList warnings;
    dialog.SetBeepHook([&] { ++beeps; });
    dialog.SetWarningHook([&](const QString& w) { warnings << w; });
    auto* hexEdit = dialog.Get<QLineEdit>(140);
    auto* decEdit = dialog.Get<QLineEdit>(141);
    QCOMPARE(hexEdit->text(), QString("41"));
    QCOMPARE(decEdit->text(), QString("3"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), hexEdit);  // typing starts in the first field
    QCOMPARE(hexEdit->selectedText(), QString("41"));
    QTest::keyClicks(QApplication::focusWidget(), "1G0");  // replaces the selected text
    QCOMPARE(hexEdit->text(), QString("10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), decEdit);
    QCOMPARE(hexEdit->text(), QString("10"));
    QCOMPARE(beeps, 1);
    decEdit->setText("");
    QTest::keyClicks(decEdit, "-7");
    QCOMPARE(decEdit->text(), QString("-7"));
    QCOMPARE(beeps, 1);
    dialog.accept();  // -7 is below -2: warning, nothing stored, dialog open
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings[0], QString("\"Count\" exceeds minimum value.\nMinimum value is: -2"));
    QCOMPARE(decEdit->selectedText(), QString("-7"));
    QCOMPARE(first, int64_t(0x41));
    QVERIFY(dialog.isVisible());
    decEdit->setText("-1");
    dialog.accept();
    QCOMPARE(first, int64_t(0x10));
    QCOMPARE(count, int64_t(-1));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void cancelStoresNothing() {
    int64_t v = 7;
    ValueField field{"Value", 10, 0, 9, &v};
    ValueEntryDialog dialog(nullptr, "Value", &field, 1);
    dialog.Get<QLineEdit>(140)->setText("5");
    dialog.reject();
    QCOMPARE(v, int64_t(7));
  }

  void splitterLastChildTakesTheResize() {
    SplitterFrame frame(Qt::Vertical);
    auto* top = new QWidget;
    auto* bottom = new QWidget;
    frame.AddChild(top);
    frame.AddChild(bottom);
    frame.resize(400, 403);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.SetFirstSize(200 - 3);
    QCOMPARE(frame.sizes()[0], 197);
    QCOMPARE(frame.handleWidth(), 3);
    frame.resize(400, 503);
    QTRY_COMPARE(frame.sizes()[0], 197);
    QCOMPARE(frame.sizes()[1], 503 - 3 - 197);
    // No child gets lower than 4 pixels.
    frame.SetFirstSize(10000);
    QCOMPARE(frame.sizes()[1], 4);
    frame.SetFirstSize(0);
    QCOMPARE(frame.sizes()[0], 4);
    QVERIFY(!frame.childrenCollapsible());
  }
};

QTEST_MAIN(SharedDialogsTest)
#include "test_shared_dialogs.moc"
