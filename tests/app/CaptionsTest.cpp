#include "WindowFixture.h"
#include "app/ui/WindowCaptions.h"
#include "i18n/CaptionTable.h"
#include "i18n/Languages.h"
#include "widgets/ui/TAbAnalogCControl.h"
#include "widgets/ui/TAbAnalogGControl.h"
#include "widgets/ui/TAbColBitBtn.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QAction>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStyleOption>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>

#include <optional>

using namespace brivel;

namespace {

QObject* targetObject(QObject* root, const CaptionTarget& target)
{
    return root->findChild<QObject*>(QLatin1String(target.objectName));
}

TSignalSettings* signalSettingsOf(QObject* object)
{
    if (auto* control = qobject_cast<TAbAnalogGControl*>(object))
        return control->signalSettings();
    if (auto* control = qobject_cast<TAbAnalogCControl*>(object))
        return control->signalSettings();
    return nullptr;
}

QTabWidget* tabsOf(QObject* root)
{
    return root->findChild<QTabWidget*>(QStringLiteral("tab_control"));
}

// What the target's control shows in the property the row goes to; nothing
// when there is no such control or property.
std::optional<QString> shownText(QObject* root, const CaptionTarget& target)
{
    QObject* object = targetObject(root, target);
    if (!object)
        return std::nullopt;
    switch (target.property) {
        case CaptionProperty::Text:
            if (auto* label = qobject_cast<QLabel*>(object))
                return label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(object))
                return button->text();
            if (auto* action = qobject_cast<QAction*>(object))
                return action->text();
            return std::nullopt;
        case CaptionProperty::TabCaption: {
            const int index = tabsOf(root)->indexOf(qobject_cast<QWidget*>(object));
            return index < 0 ? std::nullopt : std::optional(tabsOf(root)->tabText(index));
        }
        case CaptionProperty::GroupTitle:
            if (auto* group = qobject_cast<QGroupBox*>(object))
                return group->title();
            return std::nullopt;
        case CaptionProperty::ComboItem:
            if (auto* combo = qobject_cast<QComboBox*>(object);
                combo && target.item < combo->count())
                return combo->itemText(target.item);
            return std::nullopt;
        case CaptionProperty::Name1:
        case CaptionProperty::Name2:
            if (TSignalSettings* settings = signalSettingsOf(object))
                return target.property == CaptionProperty::Name1 ? settings->name1()
                                                                 : settings->name2();
            return std::nullopt;
        case CaptionProperty::TextOff:
            if (auto* button = qobject_cast<TAbColBitBtn*>(object))
                return button->textOff();
            return std::nullopt;
        case CaptionProperty::MenuTitle:
            if (auto* menu = qobject_cast<QMenu*>(object))
                return menu->title();
            return std::nullopt;
        case CaptionProperty::SeriesTitle:
            return object->property("name").toString();
        case CaptionProperty::AxisTitle:
            return object->property("titleText").toString();
        case CaptionProperty::Hint:
            if (auto* widget = qobject_cast<QWidget*>(object))
                return widget->toolTip();
            return std::nullopt;
        case CaptionProperty::MemoText:
            if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
                return memo->toPlainText();
            return std::nullopt;
    }
    return std::nullopt;
}

// Whether the widget shows when its page is in front: none of it or its
// parents up to the page is hidden.
bool shownOnItsPage(const QWidget* widget)
{
    for (const QWidget* w = widget; w && !qobject_cast<const QStackedWidget*>(w);
         w = w->parentWidget())
        if (w->isHidden())
            return false;
    return true;
}

// The width a caption needs and the width its control gives it.
struct Room {
    int needed;
    int available;
};

std::optional<Room> buttonRoom(QAbstractButton* button, const QString& text)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return Room{button->fontMetrics().horizontalAdvance(text), room.width()};
}

QRect groupTitleRect(QGroupBox* group, const QString& title)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = title;
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = group->alignment();
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          group);
}

std::optional<Room> groupRoom(QGroupBox* group, const QString& title)
{
    const QRect label = groupTitleRect(group, title);
    // The title has to end inside the frame, which starts at the label's own
    // distance from the left edge.
    return Room{label.right() + 1 + label.left(), group->width()};
}

std::optional<Room> comboRoom(QComboBox* combo, const QString& item)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = item;
    option.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return Room{combo->fontMetrics().horizontalAdvance(item), field.width()};
}

// The instruments draw a name across their face inside the outer bevel.
std::optional<Room> nameRoom(QWidget* widget, const CaptionTarget& target, const QString& name)
{
    const bool first = target.property == CaptionProperty::Name1;
    const int needed = widget->fontMetrics().horizontalAdvance(name);
    if (auto* readout = qobject_cast<TAbValueInd*>(widget)) {
        if (!(readout->options() & (first ? TAbValueInd::opName1 : TAbValueInd::opName2)))
            return std::nullopt;
        return Room{needed, readout->bevelOuter()->contentRect(readout->rect()).width()};
    }
    if (auto* bar = qobject_cast<TAbVBar*>(widget)) {
        if (!(bar->options() & (first ? TAbVBar::opName1 : TAbVBar::opName2)))
            return std::nullopt;
        QRect face = bar->rect();
        if (bar->options() & TAbVBar::opBevelOuter)
            face = bar->bevelOuter()->contentRect(face);
        return Room{needed, face.width()};
    }
    if (auto* slider = qobject_cast<TAbVSlider*>(widget)) {
        if (!(slider->options() & (first ? TAbVSlider::opName1 : TAbVSlider::opName2)))
            return std::nullopt;
        QRect face = slider->rect();
        if (slider->options() & TAbVSlider::opBevelOuter)
            face = slider->bevelOuter()->contentRect(face);
        return Room{needed, face.width() - 4};
    }
    if (auto* slider = qobject_cast<TAbHSlider*>(widget)) {
        // The two names share one line, from either end.
        if (!(slider->options() & (TAbHSlider::opName1 | TAbHSlider::opName2)))
            return std::nullopt;
        QRect face = slider->rect();
        if (slider->options() & TAbHSlider::opBevelOuter)
            face = slider->bevelOuter()->contentRect(face);
        const TSignalSettings* names = slider->signalSettings();
        const QString other = first ? names->name2() : names->name1();
        return Room{needed + slider->fontMetrics().horizontalAdvance(other) + 4, face.width() - 4};
    }
    ADD_FAILURE() << target.objectName << ": no rule for the names of this instrument";
    return std::nullopt;
}

// Nothing for a caption that cannot be cut: menus and tool tips size
// themselves, series titles show in no legend, the help memo stays hidden.
std::optional<Room> roomFor(QObject* root, const CaptionTarget& target, const QString& text)
{
    QObject* object = targetObject(root, target);
    auto* widget = qobject_cast<QWidget*>(object);
    switch (target.property) {
        case CaptionProperty::Text:
            if (!widget || !shownOnItsPage(widget))
                return std::nullopt;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->wordWrap())
                    return std::nullopt;
                return Room{label->fontMetrics().horizontalAdvance(text),
                            label->contentsRect().width() - 2 * label->margin()};
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                return buttonRoom(button, text);
            return std::nullopt;
        case CaptionProperty::TabCaption: {
            QTabBar* bar = tabsOf(root)->tabBar();
            const QRect tab = bar->tabRect(tabsOf(root)->indexOf(widget));
            // The tabs' padding is 3 pixels either side.
            return Room{bar->fontMetrics().horizontalAdvance(text) + 6,
                        std::min(tab.width(), tabsOf(root)->width() - tab.left())};
        }
        case CaptionProperty::GroupTitle:
            if (!shownOnItsPage(widget))
                return std::nullopt;
            return groupRoom(qobject_cast<QGroupBox*>(widget), text);
        case CaptionProperty::ComboItem:
            if (!shownOnItsPage(widget))
                return std::nullopt;
            return comboRoom(qobject_cast<QComboBox*>(widget), text);
        case CaptionProperty::Name1:
        case CaptionProperty::Name2:
            if (!shownOnItsPage(widget))
                return std::nullopt;
            return nameRoom(widget, target, text);
        case CaptionProperty::TextOff:
            // Its size hint holds both its texts and its frame.
            return Room{widget->sizeHint().width(), widget->width()};
        case CaptionProperty::AxisTitle: {
            // The left axis' title runs up the plot area.
            const QFont font = object->property("titleFont").value<QFont>();
            const QRectF plot = root->findChild<QObject*>(QStringLiteral("Chart1_Chart"))
                                    ->property("plotArea")
                                    .toRectF();
            return Room{QFontMetrics(font).horizontalAdvance(text), int(plot.height())};
        }
        case CaptionProperty::MenuTitle:
        case CaptionProperty::SeriesTitle:
        case CaptionProperty::Hint:
        case CaptionProperty::MemoText:
            return std::nullopt;
    }
    return std::nullopt;
}

// Where a label's text stands in its parent.
QRect labelTextRect(const QLabel* label, const QString& text)
{
    const QSize size(label->fontMetrics().horizontalAdvance(text), label->fontMetrics().height());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size,
                               label->contentsRect())
        .translated(label->pos());
}

// The control that a caption's text runs into: for a label a sibling under
// its text, for a group a control of its own under its title.
QString collision(QObject* root, const CaptionTarget& target, const QString& text)
{
    auto* widget = qobject_cast<QWidget*>(targetObject(root, target));
    if (!widget || text.isEmpty() || !shownOnItsPage(widget))
        return {};
    QRect taken;
    QWidget* area = nullptr;
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && target.property == CaptionProperty::Text) {
        taken = labelTextRect(label, text);
        area = label->parentWidget();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        taken = groupTitleRect(group, text);
        area = group;
    } else {
        return {};
    }
    for (QWidget* other : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == widget || other->isHidden())
            continue;
        // A label's box is more than its text.
        auto* otherLabel = qobject_cast<QLabel*>(other);
        if (!(otherLabel ? labelTextRect(otherLabel, otherLabel->text()) : other->geometry())
                 .intersects(taken))
            continue;
        return other->objectName().isEmpty() ? QString::fromUtf8(other->metaObject()->className())
                                             : other->objectName();
    }
    return {};
}

class CaptionsTest : public test::WindowFixture {
protected:
    void SetUp() override { open(port); }

    QString tabCaption(const char* page) const
    {
        auto* tabs = control<QTabWidget>("tab_control");
        return tabs->tabText(tabs->indexOf(control<QWidget>(page)));
    }

    test::TestSerialPort port;
};

struct Language {
    const char* item;
    int column;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.item;
}

class LanguageCaptionsTest : public CaptionsTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        CaptionsTest::SetUp();
        window->show();
        control<QAction>(GetParam().item)->trigger();
    }

    QString expected(const CaptionTarget& target) const
    {
        return window->messageTable().text(target.row, GetParam().column) +
               QString::fromUtf8(target.suffix);
    }

    void expectEveryCaptionFits() const;
};

}  // namespace

TEST_F(CaptionsTest, TheWindowShowsTheInitialTextOfEveryRowWhoseControlHasIt)
{
    // A stored name of no item that can be chosen leaves the window as built.
    store.writeString(QStringLiteral("Lang/CurLang"), QStringLiteral("Russian"));
    open(port);
    EXPECT_EQ(applyCaptions(window.get(), window->messageTable(), CaptionScope::Design), 0);
    EXPECT_EQ(tabCaption("TabSheet9"), QStringLiteral("Przełącznik"));
    EXPECT_EQ(control<QGroupBox>("Cisnienie_GroupBox")->title(), QStringLiteral("Ciśnienie"));
    EXPECT_EQ(control<QMenu>("Jazyk")->title(), QStringLiteral("Język"));
    EXPECT_EQ(control<QRadioButton>("TEMP_LPG_RED")->text(), QStringLiteral("Temp Gaz / Red [°C]"));
    EXPECT_EQ(control<QLabel>("Gaz_1A")->text(), QStringLiteral("Gaz [ms]"));
    // Design texts of their own stay until a language is chosen.
    EXPECT_EQ(control<QGroupBox>("aaa")->title(), QStringLiteral("Aktywne gazowe"));
    EXPECT_EQ(control<TAbColBitBtn>("Polacz_switch")->textOff(), QStringLiteral("Połącz"));
    EXPECT_EQ(control<QMenu>("PortCOM")->title(), QStringLiteral("Porty"));
    EXPECT_EQ(control<QLabel>("Benzyna_3")->text(), QStringLiteral("Benzyna 3"));
}

TEST_F(CaptionsTest, EveryTargetIsAControlOfTheWindowWithTheRowsProperty)
{
    for (const CaptionTarget& target : captionTargets())
        EXPECT_TRUE(shownText(window.get(), target)) << target.row << ' ' << target.objectName;
    // A row that reached nothing is counted.
    MessageTable english;
    english.setLanguage(MessageTable::English);
    EXPECT_EQ(applyCaptions(window.get(), english, CaptionScope::Every), 0);
}

// Chosen through the menu, each language reaches every target of every row.
TEST_P(LanguageCaptionsTest, EveryRowShowsInItsControls)
{
    for (const CaptionTarget& target : captionTargets())
        EXPECT_EQ(shownText(window.get(), target), expected(target))
            << target.row << ' ' << target.objectName;
}

// Every caption is read whole: no control cuts the text it is given.
TEST_P(LanguageCaptionsTest, EveryCaptionFitsItsControl)
{
    expectEveryCaptionFits();
}

// The same in a window with room to spare.
TEST_P(LanguageCaptionsTest, EveryCaptionFitsItsControlAt1920x1080)
{
    window->resize(1920, 1080);
    window->layout()->activate();
    ASSERT_EQ(window->size(), QSize(1920, 1080));
    expectEveryCaptionFits();
}

void LanguageCaptionsTest::expectEveryCaptionFits() const
{
    for (const CaptionTarget& target : captionTargets()) {
        const std::optional<Room> room = roomFor(window.get(), target, expected(target));
        EXPECT_EQ(collision(window.get(), target, expected(target)), QString())
            << target.row << ' ' << target.objectName;
        if (!room)
            continue;
        EXPECT_LE(room->needed, room->available) << target.row << ' ' << target.objectName << " \""
                                                 << expected(target).toStdString() << '"';
    }
    // The fixed tab captions too: all ten tabs stand in the bar.
    auto* tabs = control<QTabWidget>("tab_control");
    const QRect last = tabs->tabBar()->tabRect(tabs->count() - 1);
    EXPECT_LE(last.right(), tabs->width());
}

INSTANTIATE_TEST_SUITE_P(Captions, LanguageCaptionsTest,
                         ::testing::Values(Language{"NiemieckiDE", MessageTable::German},
                                           Language{"AngielskiGB", MessageTable::English},
                                           Language{"PolskiPL", MessageTable::Polish},
                                           Language{"Ceski", MessageTable::Czech}),
                         [](const auto& test) { return std::string(test.param.item); });
