// The window layer on its own: lists, picks, keys, up-down controls and the cached panels.
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>

#include "platform/ui/cached_panel_style.h"
#include "platform/ui/template_dialog.h"
#include "platform/ui/up_down.h"

using namespace chronel;

namespace {

DialogTemplate TestTemplate() {
    DialogTemplate t;
    t.caption = "Test";
    t.width = 200;
    t.height = 120;
    t.controls = {
        {10, ControlKind::DropDownCombo, "", {}, 5, 5, 80, 60, kSorted},
        {11, ControlKind::DropDownCombo, "", {"one", "two", "three"}, 100, 5, 60, 60, kNone},
        {12, ControlKind::Edit, "", {}, 5, 30, 30, 14, kDigitsOnly},
        {13, ControlKind::UpDown, "", {}, 36, 30, 10, 14, kNone},
        {14, ControlKind::ListBox, "", {}, 5, 50, 80, 60, kSorted},
        {kNoId, ControlKind::Static, "A label much longer than its box", {}, 100, 30, 10, 9, kNone},
    };
    return t;
}

}  // namespace

class TemplateDialogTest : public QObject {
    Q_OBJECT

private slots:
    void sortedListsIgnoreCaseAndKeepEqualNamesInOrder() {
        const DialogTemplate t = TestTemplate();
        TemplateDialog dlg(t);
        for (const char* name : {"beta", "Alpha", "gamma", "alpha"}) dlg.AddItem(10, name);
        dlg.AddItems(14, {"beta", "Alpha", "gamma", "alpha"});
        for (int id : {10, 14}) {
            QStringList items;
            for (int i = 0; i < dlg.ItemCount(id); ++i) items << QString::fromStdString(dlg.ItemText(id, i));
            QCOMPARE(items, (QStringList{"Alpha", "alpha", "beta", "gamma"}));
        }
        QCOMPARE(dlg.ItemText(11, 2), std::string("three"));  // unsorted list keeps its order
    }

    void userPicksRunHandlersCodeSelectionsDoNot() {
        const DialogTemplate t = TestTemplate();
        TemplateDialog dlg(t);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        int picks = 0;
        dlg.OnPicked(11, [&] { ++picks; });
        dlg.SelectItem(11, 1);
        QCOMPARE(picks, 0);
        QCOMPARE(dlg.GetText(11), std::string("two"));
        // A pick of the item already selected runs the handler too.
        auto* combo = dlg.ControlAs<QComboBox>(11);
        emit combo->activated(1);
        QCOMPARE(picks, 1);
        // Text typed into the edit part and Enter change nothing; the next selection restores it.
        combo->lineEdit()->setFocus();
        QTest::keyClicks(combo->lineEdit(), "three");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(dlg.SelectedItem(11), 1);
        QCOMPARE(picks, 1);
        dlg.SelectItem(11, 1);
        QCOMPARE(dlg.GetText(11), std::string("two"));
    }

    void upDownStepsWithinItsRangeAndWritesItsBuddy() {
        const DialogTemplate t = TestTemplate();
        TemplateDialog dlg(t);
        auto* upDown = dlg.ControlAs<UpDown>(13);
        auto* edit = dlg.ControlAs<QLineEdit>(12);
        upDown->SetBuddy(edit, [](const std::string& text, int, int) { return std::atoi(text.c_str()); });
        upDown->SetRange(0, 3);
        upDown->SetPosition(0);
        for (int i = 0; i < 5; ++i) upDown->Step(+1);
        QCOMPARE(edit->text(), QString("3"));  // no wrap-around
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QString("2"));
        // Digits only, but a number beyond the range stays as typed.
        edit->clear();
        QTest::keyClicks(edit, "9x5");
        QCOMPARE(edit->text(), QString("95"));
        // A step starts from the buddy's number as its reader reads it.
        edit->setText("1");
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->text(), QString("2"));
    }

    void labelsGrowRatherThanCutTheirText() {
        const DialogTemplate t = TestTemplate();
        TemplateDialog dlg(t);
        for (QLabel* label : dlg.findChildren<QLabel*>()) QVERIFY(label->width() >= label->sizeHint().width());
    }

    // The cached panels are the style's own pixels.
    void cachedPanelsLookExactlyLikeTheStyle() {
        QLineEdit plain, cached;
        for (QLineEdit* e : {&plain, &cached}) {
            e->setText("2451544.50");
            e->setReadOnly(true);
            e->resize(90, 24);
        }
        QStyle* base = QStyleFactory::create("Fusion");
        CachedPanelStyle proxy(QStyleFactory::create("Fusion"));
        plain.setStyle(base);
        cached.setStyle(&proxy);
        const QImage expected = plain.grab().toImage();
        QCOMPARE(cached.grab().toImage(), expected);
        QCOMPARE(cached.grab().toImage(), expected);  // from the cache this time
        delete base;
    }

    // The template's editable lists are built without setEditable(true); they must still be
    // what setEditable(true) makes: the same pixels, no completion, and the same drop-down list.
    void editableListsAreThoseOfSetEditable() {
        const DialogTemplate t = TestTemplate();
        TemplateDialog dlg(t);
        auto* ours = qobject_cast<QComboBox*>(dlg.Control(11));
        QVERIFY(ours && ours->isEditable() && ours->lineEdit());
        QVERIFY(!ours->completer());
        QComboBox reference(&dlg);
        reference.setEditable(true);
        reference.setInsertPolicy(QComboBox::NoInsert);
        reference.setCompleter(nullptr);
        reference.addItems({"one", "two", "three"});
        reference.setCurrentIndex(-1);
        reference.setGeometry(ours->geometry());
        reference.setMaxVisibleItems(ours->maxVisibleItems());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(ours->grab().toImage(), reference.grab().toImage());
        QCOMPARE(ours->insertPolicy(), QComboBox::NoInsert);
        for (QComboBox* box : {ours, &reference}) {
            box->showPopup();
            QTRY_VERIFY(box->view()->isVisible());
        }
        QCOMPARE(ours->view()->itemDelegate()->metaObject()->className(),
                 reference.view()->itemDelegate()->metaObject()->className());
        QCOMPARE(ours->view()->window()->size(), reference.view()->window()->size());
        // Typing the start of an item completes nothing.
        ours->hidePopup();
        ours->lineEdit()->clear();
        QTest::keyClicks(ours->lineEdit(), "tw");
        QCOMPARE(ours->currentText(), QStringLiteral("tw"));
    }
};

QTEST_MAIN(TemplateDialogTest)
#include "template_dialog_uitest.moc"
