#pragma once

class CGdiObject
{
public:
    virtual ~CGdiObject() = default;
    bool IsValid() const { return m_valid; }

protected:
    bool m_valid = false;
};
