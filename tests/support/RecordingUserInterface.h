#pragma once

#include "platform/StringListSelector.h"
#include "platform/UserInterface.h"

#include <QList>

// A user interface that keeps the list selector's items.
class CRecordingUserInterface : public CUserInterface
{
public:
    CListSelector* GetListSelector() override { return &m_selector; }

    CStringListSelector m_selector;
};
