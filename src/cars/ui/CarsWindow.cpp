#include "cars/ui/CarsWindow.h"

#include "cars/ui/ButtonRow.h"
#include "i18n/MessageTable.h"

#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

namespace brivel::cars {

namespace {

using R = msg::Row;

// The list's columns, in order.
constexpr R Columns[] = {R::CarPlate, R::CarMake,  R::CarModel, R::CarEngine,
                         R::CarOwner, R::CarPhone, R::CarVin};

QStringList cells(const Car& c)
{
    return {c.plate, c.make, c.model, c.engine, c.owner, c.phone, c.vin};
}

QString* member(Car& car, R row)
{
    switch (row) {
        case R::CarPlate:
            return &car.plate;
        case R::CarVin:
            return &car.vin;
        case R::CarMake:
            return &car.make;
        case R::CarModel:
            return &car.model;
        case R::CarEngine:
            return &car.engine;
        case R::CarOwner:
            return &car.owner;
        case R::CarPhone:
            return &car.phone;
        default:
            return nullptr;
    }
}

}  // namespace

CarEditDialog::CarEditDialog(const Car& car, const MessageTable& messages, QWidget* parent)
    : QDialog(parent), id_(car.id)
{
    setObjectName(QStringLiteral("CarEditDialog"));
    QString title = messages.text(car.id.isEmpty() ? R::CarAdd : R::CarEdit);
    setWindowTitle(title.remove(QStringLiteral("…")));
    auto* form = new QFormLayout;
    Car shown = car;
    for (R row : {R::CarPlate, R::CarVin, R::CarMake, R::CarModel, R::CarEngine, R::CarOwner,
                  R::CarPhone}) {
        auto* edit = new QLineEdit(*member(shown, row), this);
        edit->setObjectName(QStringLiteral("CarField%1").arg(msg::number(row)));
        form->addRow(messages.text(row), edit);
        fields_.append({row, edit});
    }
    notes_ = new QPlainTextEdit(car.notes, this);
    notes_->setObjectName(QStringLiteral("CarNotesField"));
    notes_->setFixedHeight(60);
    form->addRow(messages.text(R::CarNotes), notes_);

    save_ = new QPushButton(messages.text(R::CarSave), this);
    save_->setObjectName(QStringLiteral("CarEditSave"));
    save_->setDefault(true);
    auto* cancel = new QPushButton(messages.text(R::Cancel), this);
    cancel->setObjectName(QStringLiteral("CarEditCancel"));
    connect(save_, &QPushButton::clicked, this, &CarEditDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A plate is what makes a car.
    QLineEdit* plate = field(R::CarPlate);
    save_->setEnabled(!plate->text().trimmed().isEmpty());
    connect(plate, &QLineEdit::textChanged, this,
            [this](const QString& text) { save_->setEnabled(!text.trimmed().isEmpty()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

QLineEdit* CarEditDialog::field(msg::Row row) const
{
    for (const auto& [r, edit] : fields_)
        if (r == row)
            return edit;
    return nullptr;
}

void CarEditDialog::save()
{
    Car car;
    car.id = id_;
    for (const auto& [row, edit] : fields_)
        *member(car, row) = edit->text().trimmed();
    car.notes = notes_->toPlainText().trimmed();
    emit saved(car);
    accept();
}

CarsWindow::CarsWindow(const MessageTable& messages, QWidget* parent)
    : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("CarsWindow"));
    auto* layout = new QVBoxLayout(this);

    auto* searchRow = new QHBoxLayout;
    searchLabel_ = new QLabel(this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("CarSearch"));
    search_->setClearButtonEnabled(true);
    searchLabel_->setBuddy(search_);
    connect(search_, &QLineEdit::textChanged, this, &CarsWindow::searchChanged);
    searchRow->addWidget(searchLabel_);
    searchRow->addWidget(search_, 1);
    layout->addLayout(searchRow);

    table_ = new QTableWidget(0, int(std::size(Columns)), this);
    table_->setObjectName(QStringLiteral("CarTable"));
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAlternatingRowColors(true);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &CarsWindow::updateButtons);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (const auto car = selected())
            emit historyRequested(*car);
    });
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name) { return addRowButton(this, buttons, name); };
    add_ = button("CarAdd");
    edit_ = button("CarEdit");
    choose_ = button("CarChoose");
    history_ = button("CarHistory");
    buttons->addStretch();
    close_ = button("CarsClose");
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, [this] { editCar(Car{}); });
    connect(edit_, &QPushButton::clicked, this, [this] {
        if (const auto car = selected())
            editCar(*car);
    });
    connect(choose_, &QPushButton::clicked, this, [this] {
        if (const auto car = selected())
            emit chooseRequested(*car);
    });
    connect(history_, &QPushButton::clicked, this, [this] {
        if (const auto car = selected())
            emit historyRequested(*car);
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    resize(720, 400);
    showTexts();
    updateButtons();
}

void CarsWindow::showTexts()
{
    setWindowTitle(messages_.text(R::CarsItem));
    searchLabel_->setText(messages_.text(R::CarSearch));
    QStringList header;
    for (R row : Columns)
        header << messages_.text(row);
    table_->setHorizontalHeaderLabels(header);
    add_->setText(messages_.text(R::CarAdd));
    edit_->setText(messages_.text(R::CarEdit));
    choose_->setText(messages_.text(R::CarChoose));
    history_->setText(messages_.text(R::CarHistory));
    close_->setText(messages_.text(R::CloseWindow));
    table_->resizeColumnsToContents();
    // Each caption whole in every language.
    for (QPushButton* b : {add_, edit_, choose_, history_, close_})
        b->setMinimumWidth(b->sizeHint().width());
    layout()->activate();
}

void CarsWindow::showCars(const QList<Car>& cars)
{
    const auto before = selected();
    cars_ = cars;
    table_->setRowCount(int(cars.size()));
    for (int r = 0; r < cars.size(); ++r) {
        const QStringList row = cells(cars[r]);
        for (int c = 0; c < row.size(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(row[c]));
        if (before && before->id == cars[r].id)
            table_->selectRow(r);
    }
    table_->resizeColumnsToContents();
    updateButtons();
}

void CarsWindow::showCarLine(const CarLine& line)
{
    awaitsChoice_ = line.awaitsChoice();
    updateButtons();
}

std::optional<Car> CarsWindow::selected() const
{
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    if (ranges.isEmpty())
        return std::nullopt;
    const int row = ranges.first().topRow();
    if (row < 0 || row >= cars_.size())
        return std::nullopt;
    return cars_[row];
}

void CarsWindow::updateButtons()
{
    const bool one = selected().has_value();
    edit_->setEnabled(one);
    history_->setEnabled(one);
    choose_->setEnabled(one && awaitsChoice_);
}

void CarsWindow::editCar(const Car& car)
{
    auto* dialog = new CarEditDialog(car, messages_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CarEditDialog::saved, this, &CarsWindow::carSaved);
    dialog->open();
}

}  // namespace brivel::cars
