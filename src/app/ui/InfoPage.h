#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

class QLabel;
class QWidget;

namespace brivel {

class TAbFlashTimer;
class UrlOpener;

// The "Info" page: the maker's web and mail links, the language flags and
// the decorative picture button.
class InfoPage : public QObject {
    Q_OBJECT
public:
    InfoPage(QWidget* page, TAbFlashTimer& flashTimer, UrlOpener& urls);

    // The web address the web link shows and opens, and the mail link the
    // mail label opens; both follow the language.
    void setLinks(const QString& webAddress, const QString& mailLink);
    QString webUrl() const { return webUrl_; }
    QString mailLink() const { return mailLink_; }

    void KVOS_Linl_labelClick(QLabel* label);
    void KVOS_Linl_labelMouseMove(QLabel* label);
    void Panel1MouseMove();

Q_SIGNALS:
    // A flag button with an action was clicked (all but "GRussian").
    void flagClicked(QObject* flag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UrlOpener& urls_;
    QWidget* panel1_ = nullptr;
    QLabel* webLabel_ = nullptr;
    QLabel* mailLabel_ = nullptr;
    QString webUrl_;
    QString mailLink_;
};

}  // namespace brivel
