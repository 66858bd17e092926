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

    // The address the web link opens; set with the language.
    void setWebUrl(const QString& url) { webUrl_ = url; }
    QString webUrl() const { return webUrl_; }

    void KVOS_Linl_labelClick(QLabel* label);
    void KVOS_Linl_labelMouseMove(QLabel* label);
    void Panel1MouseMove();

Q_SIGNALS:
    // A flag button asks for the language of this menu item name.
    void languageChosen(const QString& itemName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UrlOpener& urls_;
    QWidget* panel1_ = nullptr;
    QLabel* webLabel_ = nullptr;
    QLabel* mailLabel_ = nullptr;
    QString webUrl_;
};

}  // namespace brivel
