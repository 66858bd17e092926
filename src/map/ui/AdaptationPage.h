#pragma once

#include <QtCore/QObject>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace brivel {

namespace map {
class AdaptationProcedure;
}

// The "Adaptacja" page: START and STOP, the progress bar and the info text
// of the automatic adaptation. It shows what the procedure tells and
// forwards the fitter's clicks to it.
class AdaptationPage : public QObject {
    Q_OBJECT
public:
    // `procedure` must outlive the page.
    AdaptationPage(QWidget* page, map::AdaptationProcedure& procedure);

    map::AdaptationProcedure& procedure() const { return procedure_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* infoLabel() const { return info_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }

    void Button_startClick();
    void Button_stopClick();
    void TabSheet3Show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showProgress(bool enabled, int position);
    void showInfo(const QString& text);
    void showLocked(bool locked);

    QWidget* page_;
    map::AdaptationProcedure& procedure_;
    QProgressBar* progress_ = nullptr;
    QGroupBox* groupBox24_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* label28_ = nullptr;
};

}  // namespace brivel
