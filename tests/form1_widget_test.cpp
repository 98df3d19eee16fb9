#include "window/qt_form1.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The real window, driven through real widget events.
class Form1WidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyWithFocusOnZero();
    void clickShowsTheNumbersLine_data();
    void clickShowsTheNumbersLine();
    void eachClickReplacesTheLine();
    void keyboardPressesTheFocusedButton_data();
    void keyboardPressesTheFocusedButton();
    void displayTakesNoInput();
    void tabWalksTheNumbersAndWraps();
    void windowIsFixedWithCloseBoxOnly();
    void paintsExactColours();

private:
    QPushButton *button(int value) const;
    QLineEdit *display() const;
    QWidget *focused() const { return QApplication::focusWidget(); }

    Form1 *form = nullptr;
};

QPushButton *Form1WidgetTest::button(int value) const
{
    return form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(value + 1));
}

QLineEdit *Form1WidgetTest::display() const
{
    return form->findChild<QLineEdit *>(QStringLiteral("Text1"));
}

void Form1WidgetTest::init()
{
    form = new Form1;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
}

void Form1WidgetTest::cleanup()
{
    delete form;
    form = nullptr;
}

void Form1WidgetTest::startsEmptyWithFocusOnZero()
{
    QCOMPARE(display()->text(), QString());
    QCOMPARE(focused(), button(0));
}

void Form1WidgetTest::clickShowsTheNumbersLine_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("0") << 0 << "0-5-18-34";
    QTest::newRow("1 keeps its leading blank") << 1 << " 1-21-30-12";
    QTest::newRow("17") << 17 << "17-9-0-23";
    QTest::newRow("34 begins with 0") << 34 << "0-34-22-10";
    QTest::newRow("36") << 36 << "36-28-21-33";
}

void Form1WidgetTest::clickShowsTheNumbersLine()
{
    QFETCH(int, value);
    QFETCH(QString, line);
    QTest::mouseClick(button(value), Qt::LeftButton);
    QCOMPARE(display()->text(), line);
    QCOMPARE(display()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void Form1WidgetTest::eachClickReplacesTheLine()
{
    QTest::mouseClick(button(5), Qt::LeftButton);
    QTest::mouseClick(button(6), Qt::LeftButton);
    QCOMPARE(display()->text(), QStringLiteral("6-18-15-5"));
    QTest::mouseClick(button(6), Qt::LeftButton);
    QCOMPARE(display()->text(), QStringLiteral("6-18-15-5"));
    for (int value = 0; value <= 36; ++value)
        QTest::mouseClick(button(value), Qt::LeftButton);
    QCOMPARE(display()->text(), QStringLiteral("36-28-21-33"));
}

void Form1WidgetTest::keyboardPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void Form1WidgetTest::keyboardPressesTheFocusedButton()
{
    QFETCH(int, key);
    QTest::keyClick(focused(), Qt::Key(key));
    QCOMPARE(display()->text(), QStringLiteral("0-5-18-34"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key(key));
    QCOMPARE(display()->text(), QStringLiteral(" 1-21-30-12"));
}

void Form1WidgetTest::displayTakesNoInput()
{
    QTest::mouseClick(button(17), Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));

    QTest::mouseClick(display(), Qt::LeftButton, {}, QPoint(100, 20));
    QTest::mouseDClick(display(), Qt::LeftButton, {}, QPoint(100, 20));
    QTest::keyClicks(display(), QStringLiteral("typed"));
    QTest::keyClick(display(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(display(), Qt::Key_Backspace);
    QTest::keyClicks(focused(), QStringLiteral("typed"));
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(display()->text(), QStringLiteral("17-9-0-23"));
    QVERIFY(!display()->hasSelectedText());
    QVERIFY(!display()->isEnabled());
    QCOMPARE(display()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(display()->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(focused(), button(17));
}

void Form1WidgetTest::tabWalksTheNumbersAndWraps()
{
    for (int value = 1; value <= 36; ++value) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), button(value));
    }
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), button(0));
    for (int value = 36; value >= 0; --value) {
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), button(value));
    }
}

void Form1WidgetTest::windowIsFixedWithCloseBoxOnly()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("KORVEX-DUVIDU RIVOVIV"));
    QCOMPARE(form->size(), QSize(457, 248));
    QCOMPARE(form->minimumSize(), QSize(457, 248));
    QCOMPARE(form->maximumSize(), QSize(457, 248));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    form->resize(800, 600);
    QCOMPARE(form->size(), QSize(457, 248));
    form->setWindowState(Qt::WindowMinimized);
    QCOMPARE(form->windowState() & Qt::WindowMinimized, Qt::WindowStates());
    form->setWindowState(Qt::WindowMaximized);
    QCOMPARE(form->windowState() & Qt::WindowMaximized, Qt::WindowStates());
}

void Form1WidgetTest::paintsExactColours()
{
    QTest::mouseClick(button(17), Qt::LeftButton);
    const QImage image = form->grab().toImage();
    const auto colourAt = [&](int x, int y) { return QColor(image.pixel(x, y)); };

    const struct {
        int value;
        QColor face;
    } faces[] = {{0, QColor(0, 255, 0)}, {1, QColor(255, 128, 0)}, {2, QColor(128, 128, 128)},
                 {34, QColor(255, 128, 0)}, {35, QColor(128, 128, 128)}};
    for (const auto &face : faces) {
        // A point of the face between its edge and its caption.
        const QRect rect(button(face.value)->mapTo(form, QPoint(0, 0)), button(face.value)->size());
        QCOMPARE(colourAt(rect.left() + 4, rect.top() + 4), face.face);
        QCOMPARE(colourAt(rect.right() - 4, rect.bottom() - 4), face.face);
    }

    const QRect strip(display()->geometry());
    QCOMPARE(colourAt(strip.left() + 2, strip.top() + 2), QColor(192, 255, 255));
    QCOMPARE(colourAt(strip.right() - 2, strip.bottom() - 2), QColor(192, 255, 255));
    int red = 0;
    for (int x = strip.left(); x <= strip.right(); ++x)
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            red += colourAt(x, y) == QColor(255, 0, 0);
    QVERIFY2(red > 100, qPrintable(QString::number(red)));

    const QRect line(form->findChild<QLabel *>(QStringLiteral("Label1"))->geometry());
    int blue = 0;
    for (int x = line.left(); x < form->width(); ++x)
        for (int y = line.top(); y <= line.bottom(); ++y)
            blue += colourAt(x, y) == QColor(0, 0, 255);
    QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
}

QTEST_MAIN(Form1WidgetTest)
#include "form1_widget_test.moc"
