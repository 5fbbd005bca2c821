// The base of every object that can copy another's state through Assign.
#pragma once

class TPersistent {
public:
    virtual ~TPersistent() = default;

    // Copies source's state into this object; raises EConvertError when the two kinds do not mix.
    virtual void Assign(const TPersistent& source);

protected:
    // The other half of Assign: a source that knows how to fill a destination of another kind.
    virtual void AssignTo(TPersistent& destination) const;
};
