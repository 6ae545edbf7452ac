#pragma once

#include <QComboBox>

// An editable combo box that says when its list is about to drop down, so the owner can
// refill it with the contacts loaded meanwhile.
class CContactComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit AboutToShowPopup();
        QComboBox::showPopup();
    }

signals:
    void AboutToShowPopup();
};
