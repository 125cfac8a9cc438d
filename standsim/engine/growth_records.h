// The records that cross the boundary between the workbench and libstandsim.so.
// Their byte layouts are the binary interface of GROWTH and READ4UP: the
// workbench fills them and the library reads them in place, so every field
// sits at a fixed offset, checked below.
#pragma once

#include <cstddef>
#include <cstdint>

namespace standsim {

// Five doubles, one per compartment, always in this order.
enum Compartment : int { BR = 0, CR = 1, FR = 2, LV = 3, ST = 4 };
inline constexpr int kCompartments = 5;

struct BIOVEC {
  double v[kCompartments];
};

// Slots of a nutrient vector.
enum NutrientSlot : int { NUT_C = 0, NUT_N = 1, NUT_CA = 2, NUT_MG = 3, NUT_K = 4, NUT_SIXTH = 5 };
inline constexpr int kNutrientSlots = 6;

struct NUTVEC {
  double v[kNutrientSlots];
};

// One point of a cohort's stem-growth curve.
struct CAIPT {
  int32_t AGE;
  int32_t reserved;
  double INC;
};

// Removal flags of a management action, in this order.
enum RemovalFlag : int { REM_STEMS = 0, REM_BRANCHES = 1, REM_ROOTS = 2, REM_LEAVES = 3 };

// Management action types.
enum ActionType : int32_t { ACT_NONE = 0, ACT_THINNING = 1, ACT_CLEARCUT = 2, ACT_PLANTING = 3 };

struct MANACT {
  int32_t YEAR;
  int32_t ACTTYPE;
  double PERC;
  int32_t REMFLAG[4];
};

// The parameters of one cohort. GROWTH overwrites the leaves slot of ctN.
struct COHPAR {
  unsigned char reserved0[32];
  int32_t Evergreen;  // 4-byte logical: true when its lowest bit is set
  int32_t reserved36;
  BIOVEC CarbonContent;
  BIOVEC ctN;
  BIOVEC ctCa;
  BIOVEC ctMg;
  BIOVEC ctK;
  unsigned char reserved240[40];
  BIOVEC TurnOver;
  double Nlfmin;
  double Nlfmax;
  double reserved336;
  double expNlf;
  double WoodDensityKg;
  unsigned char reserved360[16];
  double Kgr;
  double MaxGrowth;
};

// Nine deposition components; 1 is the oxidised, 2 the reduced N deposition.
struct DEPREC {
  float c[9];
};

static_assert(sizeof(BIOVEC) == 40);
static_assert(sizeof(NUTVEC) == 48);
static_assert(sizeof(DEPREC) == 36);

static_assert(sizeof(CAIPT) == 16);
static_assert(offsetof(CAIPT, AGE) == 0);
static_assert(offsetof(CAIPT, INC) == 8);

static_assert(sizeof(MANACT) == 32);
static_assert(offsetof(MANACT, YEAR) == 0);
static_assert(offsetof(MANACT, ACTTYPE) == 4);
static_assert(offsetof(MANACT, PERC) == 8);
static_assert(offsetof(MANACT, REMFLAG) == 16);

static_assert(sizeof(COHPAR) == 392);
static_assert(offsetof(COHPAR, Evergreen) == 32);
static_assert(offsetof(COHPAR, CarbonContent) == 40);
static_assert(offsetof(COHPAR, ctN) == 80);
static_assert(offsetof(COHPAR, ctN) + LV * sizeof(double) == 104);
static_assert(offsetof(COHPAR, ctCa) == 120);
static_assert(offsetof(COHPAR, ctMg) == 160);
static_assert(offsetof(COHPAR, ctK) == 200);
static_assert(offsetof(COHPAR, TurnOver) == 280);
static_assert(offsetof(COHPAR, TurnOver) + ST * sizeof(double) == 312);
static_assert(offsetof(COHPAR, Nlfmin) == 320);
static_assert(offsetof(COHPAR, Nlfmax) == 328);
static_assert(offsetof(COHPAR, expNlf) == 344);
static_assert(offsetof(COHPAR, WoodDensityKg) == 352);
static_assert(offsetof(COHPAR, Kgr) == 376);
static_assert(offsetof(COHPAR, MaxGrowth) == 384);

}  // namespace standsim
