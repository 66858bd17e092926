#include "cars/ui/CarLibraryView.h"

#include "cars/CarHistoryModel.h"
#include "cars/CarListModel.h"
#include "cars/CarSession.h"
#include "cars/CarVisit.h"
#include "cars/LibraryService.h"
#include "cars/ui/CarBar.h"
#include "cars/ui/CarHistoryWindow.h"
#include "cars/ui/CarsWindow.h"
#include "i18n/MessageTable.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "settings/SettingsMenu.h"
#include "settings/ui/SettingsReviewWindow.h"

#include <QtWidgets/QMainWindow>
#include <QtWidgets/QToolBar>

namespace brivel::cars {

CarLibraryView::CarLibraryView(const Parts& parts, QObject* parent)
    : QObject(parent),
      window_(parts.window),
      dialogs_(parts.dialogs),
      messages_(parts.messages),
      session_(std::make_unique<CarSession>(parts.library, parts.clock)),
      visit_(std::make_unique<CarVisit>(*session_, parts.sender, parts.dialogs, parts.messages)),
      cars_(std::make_unique<CarListModel>(parts.library)),
      history_(std::make_unique<CarHistoryModel>(parts.library, parts.messages, parts.clock))
{
    strip_ = new QToolBar(&window_);
    strip_->setObjectName(QStringLiteral("CarStrip"));
    strip_->setMovable(false);
    strip_->setFloatable(false);
    strip_->toggleViewAction()->setVisible(false);
    strip_->setContextMenuPolicy(Qt::PreventContextMenu);
    bar_ = new CarBar(messages_, strip_);
    strip_->addWidget(bar_);
    window_.addToolBar(Qt::BottomToolBarArea, strip_);

    carsWindow_ = new CarsWindow(messages_, &window_);
    historyWindow_ = new CarHistoryWindow(messages_, &window_);

    CarSession* session = session_.get();
    connect(session, &CarSession::carLineChanged, bar_, &CarBar::showCarLine);
    connect(session, &CarSession::libraryStatusChanged, bar_, &CarBar::showLibraryStatus);
    bar_->showLibraryStatus(session->libraryStatus());
    connect(session, &CarSession::carLineChanged, carsWindow_, &CarsWindow::showCarLine);
    connect(bar_, &CarBar::carsRequested, this, &CarLibraryView::showCars);

    connect(carsWindow_, &CarsWindow::searchChanged, cars_.get(), &CarListModel::search);
    connect(cars_.get(), &CarListModel::carsChanged, carsWindow_, &CarsWindow::showCars);
    connect(carsWindow_, &CarsWindow::carSaved, this, [this](const Car& car) {
        // A new car while the visit waits to be told which car it is: this one.
        if (car.id.isEmpty() && session_->awaitsChoice())
            session_->addCar(car);
        else
            cars_->saveCar(car);
    });
    connect(carsWindow_, &CarsWindow::chooseRequested, session, &CarSession::chooseCar);
    connect(carsWindow_, &CarsWindow::historyRequested, this, [this](const Car& car) {
        history_->showCar(car);
        historyWindow_->show();
        historyWindow_->raise();
    });

    connect(history_.get(), &CarHistoryModel::historyChanged, historyWindow_,
            &CarHistoryWindow::showHistory);
    connect(visit_.get(), &CarVisit::connectedChanged, historyWindow_,
            &CarHistoryWindow::setConnected);
    connect(historyWindow_, &CarHistoryWindow::compareRequested, this, &CarLibraryView::compare);
    connect(historyWindow_, &CarHistoryWindow::exportRequested, this, &CarLibraryView::exportPoint);
    connect(historyWindow_, &CarHistoryWindow::restoreRequested, this, &CarLibraryView::restore);
    connect(historyWindow_, &CarHistoryWindow::openRecordingRequested, this,
            &CarLibraryView::openRecording);
    connect(historyWindow_, &CarHistoryWindow::importRequested, this, &CarLibraryView::importFile);
}

CarLibraryView::~CarLibraryView() = default;

void CarLibraryView::showCars()
{
    cars_->refresh();
    carsWindow_->show();
    carsWindow_->raise();
    carsWindow_->activateWindow();
}

void CarLibraryView::showTexts()
{
    bar_->showTexts();
    carsWindow_->showTexts();
    history_->retell();
    historyWindow_->showTexts();
}

void CarLibraryView::compare(const QString& first, const QString& second)
{
    auto content = history_->compare(first, second);
    if (!content)
        return;
    content->title = messages_.text(msg::Row::CompareTitle);
    content->cancel = messages_.text(msg::Row::CloseWindow);
    auto* window = new SettingsReviewWindow(*content, historyWindow_);
    window->setObjectName(QStringLiteral("PointComparison"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(false);
    window->show();
}

void CarLibraryView::exportPoint(const QString& point)
{
    const QString chosen = dialogs_.saveFileName(SettingsMenu::SaveFilter, QStringLiteral("kvs"));
    if (chosen.isEmpty())
        return;
    const QString error = history_->exportPoint(point, settings::datafile::fileNameFor(chosen));
    if (!error.isEmpty())
        dialogs_.showError(error);
}

void CarLibraryView::importFile()
{
    const QString chosen = dialogs_.openFileName(SettingsMenu::OpenFilter);
    if (chosen.isEmpty())
        return;
    const QString error = history_->importFile(chosen);
    if (!error.isEmpty())
        dialogs_.showMessage(error);
}

void CarLibraryView::restore(const QString& point)
{
    if (const auto p = history_->point(point); p && visit_->connected())
        emit restoreRequested(p->image);
}

void CarLibraryView::openRecording(const QString& recording)
{
    if (const auto path = history_->recordingPath(recording))
        emit replayRequested(*path);
}

}  // namespace brivel::cars
