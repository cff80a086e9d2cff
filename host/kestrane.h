// The scripting interface of the Kestrane game executable as a mission module sees it.
// The module only declares these; the executable (or the simulated host) defines and exports
// them, and the module imports them by name when it is loaded.
#pragma once

#if defined(_WIN32)
#  if defined(KESTRANE_HOST_BUILD)
#    define KESTRANE_API __declspec(dllexport)
#  else
#    define KESTRANE_API __declspec(dllimport)
#  endif
#else
#  define KESTRANE_API __attribute__((visibility("default")))
#endif

// Host numbers passed through as they are: unit and structure types, trigger compare modes,
// truck cargo kinds.
typedef int map_id;
typedef int compare_mode;
typedef int Truck_Cargo;

struct KESTRANE_API LOCATION {
    LOCATION();
    LOCATION(int x, int y);
    LOCATION(const LOCATION& other) = default;
    LOCATION& operator=(const LOCATION& other);

    int x;
    int y;
};

class KESTRANE_API Unit {
public:
    Unit();
    Unit(const Unit& other) = default;
    Unit& operator=(const Unit& other);
    ~Unit();

    void DoSetLights(int on);
    void DoSelfDestruct();
    LOCATION Location();
    void SetTruckCargo(Truck_Cargo kind, int amount);

    int unitID;
};

// Base of every host script object that the module may remove (triggers, groups).
class KESTRANE_API ScStub {
public:
    ScStub();
    ScStub(const ScStub& other) = default;
    ScStub& operator=(const ScStub& other);
    ~ScStub();

    void Destroy();

    int stubIndex;
};

class KESTRANE_API Trigger : public ScStub {
public:
    Trigger();
    Trigger(const Trigger& other) = default;
    Trigger& operator=(const Trigger& other);
    ~Trigger();
};

class KESTRANE_API ScGroup : public ScStub {
public:
    ScGroup();
    ScGroup(const ScGroup& other) = default;
    ScGroup& operator=(const ScGroup& other);
    ~ScGroup();

    void TakeUnit(Unit unit);
};

class KESTRANE_API FightGroup : public ScGroup {
public:
    FightGroup();
    FightGroup(const FightGroup& other) = default;
    FightGroup& operator=(const FightGroup& other);
    ~FightGroup();

    void DoAttackEnemy();
};

// One entry of the host's player table; a 12-byte record that the module may copy.
class KESTRANE_API _Player {
public:
    void GoAI();
    void GoEden();
    void GoPlymouth();
    void SetTechLevel(int level);
    void MarkResearchComplete(int topic);
    void CenterViewOn(int x, int y);
    int Difficulty();
    int IsHuman();
    void SetOre(int amount);
    int FoodStored();
    void SetFoodStored(int amount);
    int Workers();
    void SetWorkers(int count);
    int Scientists();
    void SetScientists(int count);
    int Kids();
    void SetKids(int count);

    int playerNum;
    int hostData[2];
};

extern KESTRANE_API _Player Player[];

class KESTRANE_API PellanGame {
public:
    // Pixel position (tile * 32); the host copies the text.
    static void AddMessage(int pixelX, int pixelY, char* text, int recipient, int sound);
    static void AddMessage(Unit owner, char* text, int recipient, int sound);
    static int CreateUnit(Unit& unit, map_id type, LOCATION where, int owner, map_id cargo,
                          int last);
    static int CreateBeacon(map_id type, int x, int y, int a4, int a5, int a6);
    static int CreateWallOrTube(int x, int y, int a3, map_id type);
    static int GetRand(int range);
    static int NoPlayers();
    static void SetMeteor(int x, int y, int magnitude);
    static void SetEarthquake(int x, int y, int magnitude);
    static void SetLightning(int x1, int y1, int magnitude, int x2, int y2);
    static void SetTornado(int x1, int y1, int magnitude, int x2, int y2, int a6);
    static void FreeMoraleLevel(int player);
    static void ForceMoraleOK(int player);
    static void SetDaylightEverywhere(int on);
    static void SetDaylightMoves(int on);
};

// Second argument 0: the trigger repeats; 1: it fires once.
KESTRANE_API Trigger CreateTimeTrigger(int enabled, int once, int delay, char const* callback);
KESTRANE_API Trigger CreateTimeTrigger(int enabled, int once, int minDelay, int maxDelay,
                                       char const* callback);
KESTRANE_API Trigger CreateOperationalTrigger(int a1, int a2, int a3, map_id a4, int a5,
                                              compare_mode a6, char const* callback);
KESTRANE_API FightGroup CreateFightGroup(_Player player);
KESTRANE_API int scr_snprintf(char* buffer, unsigned size, char const* format, ...);

// Enumerators: each GetNext fills the unit and answers non-zero, or answers 0 when done.
class KESTRANE_API PlayerVehicleEnum {
public:
    explicit PlayerVehicleEnum(int player);
    int GetNext(Unit& next);

private:
    int player_;
    int lastId_;
};

class KESTRANE_API PlayerBuildingEnum {
public:
    PlayerBuildingEnum(int player, map_id type);
    int GetNext(Unit& next);

private:
    int player_;
    map_id type_;
    int lastId_;
};

class KESTRANE_API GroupEnumerator {
public:
    explicit GroupEnumerator(ScGroup& group);
    int GetNext(Unit& next);

private:
    int group_;
    int lastId_;
};

// The record that the host passes to the module's GetSaveRegions export: the module fills in
// the address and size of the one block of its memory that is stored with a saved game.
struct SaveRegionRecord {
    void* region;
    unsigned size;
};

static_assert(sizeof(LOCATION) == 8, "a LOCATION is two int32");
static_assert(sizeof(Unit) == 4, "host handles are 4-byte values");
static_assert(sizeof(ScStub) == 4, "host handles are 4-byte values");
static_assert(sizeof(Trigger) == 4, "host handles are 4-byte values");
static_assert(sizeof(ScGroup) == 4, "host handles are 4-byte values");
static_assert(sizeof(FightGroup) == 4, "host handles are 4-byte values");
static_assert(sizeof(_Player) == 12, "the host's player record is 12 bytes");

#if !defined(_WIN32)
// Without Windows the host also supplies the two services that the module takes from the
// system on Windows: the message box, and a direct chat binding in place of the patched call
// site. The receiver is called with each chat line (text, player); null unbinds.
#define MB_ICONERROR 0x00000010u
#define MB_SETFOREGROUND 0x00010000u
extern "C" KESTRANE_API int MessageBoxA(void* owner, char const* text, char const* caption,
                                        unsigned style);
extern "C" KESTRANE_API void KestraneBindChat(void (*receiver)(char const* text, int player));
#endif
