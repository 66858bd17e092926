#pragma once

#include "cars/CarRecords.h"
#include "cars/CarSession.h"
#include "i18n/MessageRows.h"

#include <QtWidgets/QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace brivel {

class MessageTable;

namespace cars {

// A car's details to add or edit: plate, VIN, make, model, engine, owner,
// phone and notes. "Zapisz" tells the car as entered.
class CarEditDialog : public QDialog {
    Q_OBJECT
public:
    CarEditDialog(const Car& car, const MessageTable& messages, QWidget* parent = nullptr);

    QLineEdit* field(msg::Row row) const;

signals:
    void saved(const brivel::cars::Car& car);

private:
    void save();

    RecordId id_;
    QList<std::pair<msg::Row, QLineEdit*>> fields_;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* save_ = nullptr;
};

// "Samochody": the cars of the library with a search field that asks as the
// fitter types (plate, VIN, owner, model), adding and editing a car, saying
// which car is on the line and opening a car's history. Shows the list and
// the car line it is told; forwards what the fitter does.
class CarsWindow : public QDialog {
    Q_OBJECT
public:
    CarsWindow(const MessageTable& messages, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QLineEdit* searchField() const { return search_; }

public slots:
    void showCars(const QList<brivel::cars::Car>& cars);
    void showCarLine(const brivel::cars::CarLine& line);
    // The language changed.
    void showTexts();

signals:
    void searchChanged(const QString& text);
    // Added (no id) or edited.
    void carSaved(const brivel::cars::Car& car);
    void chooseRequested(const brivel::cars::Car& car);
    void historyRequested(const brivel::cars::Car& car);

private:
    std::optional<Car> selected() const;
    void editCar(const Car& car);
    void updateButtons();

    const MessageTable& messages_;
    QList<Car> cars_;
    bool awaitsChoice_ = false;
    QLineEdit* search_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* history_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* searchLabel_ = nullptr;
};

}  // namespace cars
}  // namespace brivel
