#include "settings/ui/PanelPetrolPage.h"

#include "link/CommandSender.h"
#include "settings/EditorCommands.h"
#include "settings/ui/PanelParts.h"
#include "settings/SettingsModel.h"
#include "widgets/ui/FormParts.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>

namespace brivel {

using namespace settings;

namespace {

// The engine settings stand in a grid of tiles, a caption over each control.
constexpr int Columns = 2;
constexpr int Rows = 3;
constexpr int Gap = 10;
constexpr int TileWidth = (575 - (Columns + 1) * Gap) / Columns;
constexpr int TileHeight = 70;
constexpr int GroupTop = 20;

QRect tileAt(int column, int row)
{
    return {Gap + column * (TileWidth + Gap), GroupTop + row * (TileHeight + Gap), TileWidth,
            TileHeight};
}

const QRect CaptionAt(10, 8, TileWidth - 20, 18);
const QRect ControlAt(10, 32, TileWidth - 20, 28);

// Images that hold no more than this are not a settings image to patch.
constexpr int ShortestPatchableImage = 10;

}  // namespace

PanelPetrolPage::PanelPetrolPage(QWidget* page, const SettingsPageServices& services)
    : QObject(page), services_(services)
{
    panel::styleSettingsPage(page);
    // Captions and the items of the caption table's selectors are left empty
    // here: the caption table fills them.
    QGroupBox* engine = makeGroup(page, QStringLiteral("GroupBox25"), QString(),
                                  QRect(6, 6, Columns * TileWidth + (Columns + 1) * Gap,
                                        GroupTop + Rows * TileHeight + Rows * Gap));

    // The engine on the left, its speed signal on the right.
    QFrame* tile = panel::makeTile(engine, QStringLiteral("Tile_cyl"), tileAt(0, 0));
    panel::makeCaption(tile, QStringLiteral("Label34"), QString(), CaptionAt);
    selCyl_ = panel::makeSelector(tile, QStringLiteral("Sel_cyl"), 5, ControlAt);

    tile = panel::makeTile(engine, QStringLiteral("Tile_Typ_silnika"), tileAt(0, 1));
    panel::makeCaption(tile, QStringLiteral("Label37"), QString(), CaptionAt);
    selTypSilnika_ =
        panel::makeSelector(tile, QStringLiteral("Sel_Typ_silnika"),
                            {QStringLiteral("Standard"), QStringLiteral("Turbo")}, ControlAt);

    tile = panel::makeTile(engine, QStringLiteral("Tile_Injector_plus"), tileAt(0, 2));
    panel::makeCaption(tile, QStringLiteral("Label40"), QString(), CaptionAt);
    checkInjectorPlus_ =
        panel::makeCheckBox(tile, QStringLiteral("Check_Injector_plus"), ControlAt);

    tile = panel::makeTile(engine, QStringLiteral("Tile_Impuls"), tileAt(1, 0));
    panel::makeCaption(tile, QStringLiteral("Label35"), QString(), CaptionAt);
    selImpuls_ = panel::makeSelector(tile, QStringLiteral("Sel_Impuls"), 7, ControlAt);

    tile = panel::makeTile(engine, QStringLiteral("Tile_RPM_signal"), tileAt(1, 1));
    panel::makeCaption(tile, QStringLiteral("Label36"), QString(), CaptionAt);
    selRpmSignal_ =
        panel::makeSelector(tile, QStringLiteral("Sel_RPM_signal"),
                            {QStringLiteral("Low  5V"), QStringLiteral("High 12V")}, ControlAt);

    // The petrol injection type and the lambda probe are not settings of
    // this controller: hidden and disabled, never sent.
    tile = panel::makeTile(engine, QString(), tileAt(1, 2));
    tile->hide();
    panel::makeCaption(tile, QStringLiteral("Label38"), QString(), CaptionAt);
    QComboBox* selTypWtryskuPetrol =
        panel::makeSelector(tile, QStringLiteral("Sel_Typ_wtrysku_Petrol"), 1, ControlAt);
    selTypWtryskuPetrol->setEnabled(false);
    tile = panel::makeTile(engine, QString(), tileAt(1, 2));
    tile->hide();
    panel::makeCaption(tile, QStringLiteral("Label39"), QString(), CaptionAt);
    QComboBox* comboBox17 = panel::makeSelector(tile, QStringLiteral("ComboBox17"), 2, ControlAt);
    comboBox17->setEnabled(false);

    connect(selCyl_, &QComboBox::activated, this, &PanelPetrolPage::Sel_cylChange);
    connect(selImpuls_, &QComboBox::activated, this, &PanelPetrolPage::Sel_ImpulsChange);
    connect(selRpmSignal_, &QComboBox::activated, this, &PanelPetrolPage::Sel_RPM_signalChange);
    connect(selTypSilnika_, &QComboBox::activated, this, &PanelPetrolPage::Sel_Typ_silnikaChange);
    connect(checkInjectorPlus_, &QCheckBox::clicked, this,
            &PanelPetrolPage::Check_Injector_plusClick);

    auto* szybkosc = new QComboBox(page);
    szybkosc->setObjectName(QStringLiteral("szybkosc"));
    szybkosc->addItem(QStringLiteral("7200"));
    szybkosc->setPlaceholderText(QStringLiteral("Wybierz szybkość"));
    szybkosc->setEnabled(false);
    szybkosc->hide();
    comComboBox1_ = new QComboBox(page);
    comComboBox1_->setObjectName(QStringLiteral("ComComboBox1"));
    comComboBox1_->hide();

    connect(&services.settings, &SettingsModel::displayChanged, this, &PanelPetrolPage::show);
}

void PanelPetrolPage::show(const SettingsDisplay& d)
{
    panel::showItem(selCyl_, d.Sel_cyl);
    panel::showItem(selImpuls_, d.Sel_Impuls);
    panel::showItem(selRpmSignal_, d.Sel_RPM_signal);
    panel::showItem(selTypSilnika_, d.Sel_Typ_silnika);
    panel::showChecked(checkInjectorPlus_, d.Check_Injector_plus);
}

bool PanelPetrolPage::admitted()
{
    if (services_.sender.admitCommand())
        return true;
    show(services_.settings.display());
    return false;
}

void PanelPetrolPage::Sel_cylChange(int item)
{
    if (!services_.portOpen() ||
        services_.settings.parameterBlock().size() <= ShortestPatchableImage)
        return;
    // Asked before the image is patched: a count never sent must not show.
    if (!admitted())
        return;
    const editor::CylinderCountChange change = editor::cylinderCount(item);
    change.command.queueOn(services_.sender);
    // The buttons, and everything else, show the patched image at once.
    services_.settings.editParameterBlock(
        [&change](ParameterBlock& block) { change.applyTo(block); });
}

void PanelPetrolPage::Sel_ImpulsChange(int item)
{
    if (!admitted())
        return;
    editor::pulseSource(item).queueOn(services_.sender);
}

void PanelPetrolPage::Sel_RPM_signalChange(int item)
{
    if (!admitted())
        return;
    editor::rpmSignalLevel(item).queueOn(services_.sender);
}

void PanelPetrolPage::Sel_Typ_silnikaChange(int item)
{
    // Asked before the map chart's axis follows the choice.
    if (!admitted())
        return;
    services_.settings.chooseEngineType(item);
    editor::engineType(item).queueOn(services_.sender);
}

void PanelPetrolPage::Check_Injector_plusClick(bool checked)
{
    if (!admitted())
        return;
    editor::positiveInjectors(checked).queueOn(services_.sender);
}

void PanelPetrolPage::showPorts(const QStringList& present)
{
    comComboBox1_->clear();
    comComboBox1_->addItems(present);
}

}  // namespace brivel
