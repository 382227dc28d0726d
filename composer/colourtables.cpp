#include "colourtables.h"

namespace colourtables {

const ChoiceTable frame{{"青　色", "茶　色", "灰　色　", "ピンク", "黒　色", "緑　色"},
                        {"#3366cc", "#450526", "#808080", "#ED9BA0", "#000000", "#3DBA65"}};

const ChoiceTable text{{"黒　色", "灰　色", "青　色", "茶　色"},
                       {"#000000", "#808080", "#0000ff", "#450526"}};

const ChoiceTable headCell{
    {"青　色", "ピンク", "深　緑", "黒　色", "茶　色", "灰　色", "みかん"},
    {"#3366cc ", "#ED9BA0 ", "#009999 ", "#000000 ", "#450526 ", "#808080 ", "#ED875B "}};

const ChoiceTable bodyCell{
    {"灰　色", "白　色", "青　色", "黄　色", "緑　色", "黒　色", "ピンク"},
    {"#C0C0C0 ", "#ffffff ", "#89C9E5 ", "#EFF0B0 ", "#C6E2B1 ", "#000000 ", "#EBC2B4 "}};

const ChoiceTable headText{{"白　色", "黒　色", "青　色"}, {"#ffffff ", "#000000 ", "#0000ff "}};

const ChoiceTable bodyText{{"黒　色", "灰　色", "白　色", "青　色"},
                           {"#000000 ", "#808080 ", "#ffffff ", "#0000ff "}};

}  // namespace colourtables
