// The engine settings component: pushes the process-wide engine settings (date format, decimals,
// deleted rows, server kinds, cached tables and cursors) into the engine, and optionally makes the
// toolkit's short date format match the engine's. One instance per process.
#pragma once

#include <cstdint>
#include <optional>

#include "data/DbTypes.h"
#include "engine/CeEngine.h"
#include "toolkit/TComponent.h"

class TDbSettings : public TComponent {
public:
    // Raises Exception "Only one DbSettings component is allowed per application" when another
    // instance lives, and dbset::DbError when the engine refuses both date formats it tries.
    explicit TDbSettings(TComponent* AOwner);
    ~TDbSettings() override;

    // At most 12 characters; "cc" stands for the century. Empty means "MM/dd/ccyy".
    const AnsiString& DateFormat() const { return dateFormat_; }
    virtual void SetDateFormat(const AnsiString& Value);
    int8_t NumDecimals() const { return numDecimals_; }
    virtual void SetNumDecimals(int8_t Value);
    bool ShowDeleted() const { return showDeleted_; }
    virtual void SetShowDeleted(bool Value);
    TDbServerTypes DbServerTypes() const { return serverTypes_; }
    virtual void SetDbServerTypes(TDbServerTypes Value);
    int8_t NumCachedTables() const { return numCachedTables_; }
    virtual void SetNumCachedTables(int8_t Value);
    int8_t NumCachedCursors() const { return numCachedCursors_; }
    virtual void SetNumCachedCursors(int8_t Value);
    bool SetHostDate() const { return setHostDate_; }
    virtual void SetSetHostDate(bool Value);

    // The engine's last error code.
    virtual uint32_t GetLastError();
    virtual int GetNumOpenTables();

    // The last constructed instance still alive, or null.
    static TDbSettings* Instance();

private:
    void applyCacheSize(int8_t& stored, int8_t value, const char* negativeText, CERESULT (*call)(uint16_t));

    AnsiString dateFormat_;
    int8_t numDecimals_ = 0;
    bool showDeleted_ = false;
    TDbServerTypes serverTypes_ = 0;
    int8_t numCachedTables_ = 0;
    int8_t numCachedCursors_ = 0;
    bool setHostDate_ = true;
    // The toolkit's short date format as it was before DateFormat last rewrote it.
    std::optional<AnsiString> savedShortDateFormat_;
};
