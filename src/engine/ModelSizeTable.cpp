#include "engine/ModelSizeTable.h"

#include "engine/DesignConstants.h"

namespace vek {

namespace {

using enum TModelSizeSource;

constexpr double kA = kAlphaImperfection;
constexpr double kHt = kToothHeight;
constexpr double kBt = kToothWidth;

// Product data of the sizes 1 to 8 (mm, mm²).
constexpr TModelSizeRow kRows[] = {
    // clang-format off
    //  key                   source        size 1     2     3     4     5     6     7     8
    {"L_max_admin",        SIZE_COLUMN,  {3000, 3000, 3000, 2500, 2500, 2500, 1150,  900}},
    {"h",                  SIZE_COLUMN,  {  45,   50,   54,   67,   70,   84,   84,   85}},
    {"b",                  SIZE_COLUMN,  {  74,   79,   94,  111,  122,  133,  148,  144}},
    {"b_2",                SIZE_COLUMN,  {  20,   20, 25.5,   27,   33,   33,   40,   40}},
    {"t",                  SIZE_COLUMN,  {   3,    3,    4,    4,    5,    5,    6,    8}},
    {"r_",                 SIZE_COLUMN,  {   3,    3,  3.5,  3.5,    4,    4,    8,    8}},
    {"c_nom_i",            COVER_INNER,  {}},
    {"c_nom_e",            COVER_OUTER,  {}},
    {"phi",                SIZE_COLUMN,  {  10,   10,   12,   14,   14,   16,   16,   20}},
    {"i",                  SIZE_COLUMN,  {  40,   40,   50,   60,   70,   75,   90,   90}},
    {"o",                  SIZE_COLUMN,  {   5,    7,    7,    7,    7,    8,    8,   10}},
    {"l_con",              SIZE_COLUMN,  { 360,  360,  450,  510,  510,  580,  580,  720}},
    {"h_br_min",           SIZE_COLUMN,  { 360,  360,  450,  510,  510,  580,  580,  720}},
    {"a_w",                SIZE_COLUMN,  {   2,    2,    3,    3,    4,    4,    4,  5.5}},
    {"d_1",                SIZE_COLUMN,  {  16,   16,   20,   24,   27,   27,   30,   30}},
    {"A_Sp=S",             SIZE_COLUMN,  { 157,  157,  245,  353,  459,  459,  561,  561}},
    {"length_bolt",        SCREW_LENGTH, {}},
    {"alpha",              SIZE_COLUMN,  {  kA,   kA,   kA,   kA,   kA,   kA,   kA,   kA}},
    {"d_s",                SIZE_COLUMN,  {  12,   16,   16,   16,   20,   20,   20,   20}},
    {"S",                  SIZE_COLUMN,  {  18,   24,   24,   24,   30,   30,   30,   30}},
    {"n_t",                SIZE_COLUMN,  {   4,    5,    5,    5,    7,    7,    7,    7}},
    {"h_t",                SIZE_COLUMN,  { kHt,  kHt,  kHt,  kHt,  kHt,  kHt,  kHt,  kHt}},
    {"b_t",                SIZE_COLUMN,  { kBt,  kBt,  kBt,  kBt,  kBt,  kBt,  kBt,  kBt}},
    {"t_t",                SIZE_COLUMN,  { 2.5,    3,    3,    3,    4,    4,    4,    4}},
    {"c_t",                SIZE_COLUMN,  {  28,   33,   33,   33,   42,   42,   42,   42}},
    {"l_t",                SIZE_COLUMN,  {  39,   48,   48,   48,   63,   63,   63,   63}},
    {"L_t",                SIZE_COLUMN,  {  76,   92,   92,   92,  124,  124,  124,  124}},
    {"s_t-t_t",            SIZE_COLUMN,  {   3,    4,    4,    4,    5,    5,    5,    5}},
    {"d_l",                SIZE_COLUMN,  {  13,   17,   17,   17,   21,   21,   21,   21}},
    {"d_J",                SIZE_COLUMN,  {  17,   17,   21,   25,   28,   28,   31,   31}},
    {"serratedWasher_L_t", SIZE_COLUMN,  {  76,   92,   92,   92,  124,  124,  124,  124}},
    {"l_w",                WELD_LENGTH,  {}},
    {"u",                  SIZE_COLUMN,  {  15,   15,   20,   20,   25,   25,   25,   25}},
    {"_a",                 SIZE_COLUMN,  {  60,   60,   60,   90,   90,   90,  110,  110}},
    {"s_",                 SIZE_COLUMN,  {   3,    4,    4,    4,    8,    8,    8,    8}},
    {"_c",                 SIZE_COLUMN,  {  40,   65,   65,   65,   80,   80,   80,   80}},
    // clang-format on
};

}  // namespace

std::span<const TModelSizeRow> ModelSizeRows() {
  return kRows;
}

}  // namespace vek
