#include "model/region_factors.h"

namespace marvoten {
namespace {

const std::vector<RegionInitial> kInitials{
    {"あ", {"青森県A", "青森県B", "愛知県A", "秋田県B"}},
    {"い", {"茨城県A", "石川県A", "石川県B", "岩手県A"}},
    {"え", {"愛媛県B"}},
    {"お", {"大阪府A", "岡山県B", "大分県B", "大分県C", "沖縄県C"}},
    {"か", {"神奈川県A", "香川県A", "香川県B", "鹿児島県A", "鹿児島県C"}},
    {"き", {"京都府A"}},
    {"ぎ", {"岐阜県A"}},
    {"く", {"熊本県B", "熊本県C"}},
    {"ぐ", {"群馬県A"}},
    {"こ", {"高知県B"}},
    {"さ", {"埼玉県A", "佐賀県A"}},
    {"し", {"静岡県A", "滋賀県A", "島根県B"}},
    {"ち", {"千葉県A"}},
    {"と",
     {"栃木県A", "東京都A", "富山県A", "富山県B", "鳥取県A", "鳥取県B", "徳島県A", "徳島県B"}},
    {"な", {"長野県A", "奈良県A", "長崎県A"}},
    {"に", {"新潟県B"}},
    {"ひ", {"兵庫県A", "広島県B"}},
    {"ふ", {"福島県A", "福島県B", "福井県A", "福岡県A"}},
    {"ほ", {"北海道A", "北海道B", "北海道C"}},
    {"み", {"三重県A", "宮城県A", "宮崎県B"}},
    {"や", {"山梨県A", "山形県B", "山口県A"}},
    {"わ", {"和歌山県A"}},
};
const std::vector<std::string> kWholePrefectureKeys{
    "愛知県A",   "秋田県B", "茨城県A", "岩手県A",   "愛媛県B", "大阪府A", "岡山県B", "沖縄県C",
    "神奈川県A", "京都府A", "岐阜県A", "群馬県A",   "高知県B", "埼玉県A", "佐賀県A", "静岡県A",
    "滋賀県A",   "島根県B", "千葉県A", "栃木県A",   "東京都A", "長野県A", "奈良県A", "長崎県A",
    "新潟県B",   "兵庫県A", "広島県B", "福井県A",   "宮崎県B", "福岡県A", "三重県A", "宮城県A",
    "山梨県A",   "山形県B", "山口県A", "和歌山県A",
};
const std::vector<std::string> kMunicipalityRows{
    "青森県A,三沢市,十和田市,八戸市,上北郡,三戸郡,1.0",
    "青森県B,青森市,弘前市,黒石市,五所川原市,むつ市,東津軽郡,西津軽郡,中津軽郡,南津軽郡,北津軽郡,"
    "下北郡,0.85",
    "石川県A,金沢市,小松市,七尾市,羽咋市,松任市,加賀市,鹿島郡,羽咋郡,河北郡,能美郡,石川郡,江沼郡,1."
    "0",
    "石川県B,輪島市,玖洲市,鳳至郡,玖洲郡,0.85",
    "大分県B,大分市,別府市,臼杵市,津久見市,佐伯市,竹田市,日田郡,玖珠郡,大分郡,直入郡,大野郡,"
    "北海部郡,南海部郡,0.85",
    "大分県C,中津市,日田市,豊後高田市,杵築市,宇佐市,西国東郡,東国東郡,速見郡,下毛郡,宇佐郡,0.7",
    "香川県A,大川郡,木田郡,1.0",
    "香川県B,高松市,丸亀市,坂出市,善通寺市,観音寺市,小豆郡,香川郡,綾歌郡,仲多度郡,三豊郡,0.85",
    "鹿児島県A,名瀬市,大島郡,1.0",
    "鹿児島県C,名瀬市大島郡以外,0.7",
    "熊本県B,熊本市,菊池市,人吉市,阿蘇郡,菊池郡,上益城郡,下益城郡,八代郡,球磨郡,0.85",
    "熊本県C,八代市,荒尾市,水俣市,玉名市,本渡市,山鹿市,牛深市,宇土市,飽託郡,宇土郡,玉名郡,鹿本郡,"
    "葦北郡,天草郡,0.7",
    "富山県A,富山市,高岡市,氷見市,小矢部市,砺波市,新湊市,中新川郡,上新川郡,射水郡,婦負郡,東礪波郡,"
    "西礪波郡,1.0",
    "富山県B,魚津市,滑川市,黒部市,下新川郡,0.85",
    "鳥取県A,鳥取市,岩見郡,八頭郡,気高郡,1.0",
    "鳥取県B,米子市,倉吉市,境港市,東迫郡,西迫郡,日野郡,0.85",
    "徳島県A,徳島市,鳴門市,小松島市,阿南市,板野郡,阿波郡,麻植郡,名西郡,名東郡,那賀郡,勝浦郡,海部郡,"
    "1.0",
    "徳島県B,美馬郡,三好郡,0.85",
    "福島県A,福島市,二本松市,相馬市,原町市,いわき市,伊達郡,相馬郡,田村郡,双葉郡,石川郡,東白川郡,1."
    "0",
    "福島県B,会津若松市,郡山市,白河市,須賀川市,喜多方市,岩瀬郡,南会津郡,北会津郡,耶麻郡,河沼郡,"
    "大沼郡,西白河郡,0.85",
    "北海道A,釧路市,帯広市,根室市,沙流郡,新冠郡,静内郡,三石郡,浦河郡,様似郡,幌泉郡,河東郡,上川郡,"
    "河西郡,広尾郡,中川郡,足寄郡,十勝郡,釧路郡,厚岸郡,川上郡,阿寒郡,白糖郡,野付郡,標津郡,目梨郡,1."
    "0",
    "北海道B,札幌市,函館市,小樽市,室蘭市,北見市,夕張市,岩見沢市,網走市,苫小牧市,美唄市,芦別市,"
    "江別市,赤平市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,富良野市,登別市,恵庭市,伊達市,"
    "札幌郡,石狩郡,厚田郡,浜益郡,松前郡,上磯郡,亀田郡,茅部郡,山越郡,檜山郡,爾志郡,久遠郡,奥尻郡,"
    "瀬棚郡,島牧郡,寿都郡,礒谷郡,蛇田郡,岩内郡,古宇郡,積丹郡,古平郡,余市郡,空知郡,夕張郡,樺戸郡,"
    "雨竜郡,上川郡東神楽郡,上川町,東川町,美瑛町,勇払郡,網走郡,斜里郡,常呂郡,有珠郡,白老郡,0.85",
    "北海道C,旭川市,留萌市,稚内市,紋別市,士別市,名寄市,上川郡鷹栖町,当麻町,比布町,愛別町,和寒町,"
    "剣淵町,朝日町,風連町,下川町,中川郡,増毛郡,留萌郡,苫前郡,天塩郡,宗谷郡,枝幸郡,礼文郡,利尻郡,"
    "紋別郡,0.7",
};

// The factor follows the zone letter at the end of the key.
std::string zoneFactor(std::string_view key) {
    switch (key.back()) {
        case 'A':
            return "1.0";
        case 'B':
            return "0.85";
        default:
            return "0.7";
    }
}

std::vector<std::string> splitItems(std::string_view row) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = row.find(',', start);
        out.emplace_back(row.substr(start, comma - start));
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

}  // namespace

const std::vector<RegionInitial>& regionInitials() {
    return kInitials;
}

std::vector<std::string> regionRows() {
    std::vector<std::string> rows(kMunicipalityRows);
    for (const auto& key : kWholePrefectureKeys) {
        const std::string prefecture = key.substr(0, key.size() - 1);
        rows.push_back(key + "," + prefecture + "全域," + zoneFactor(key));
    }
    return rows;
}

// A row's items after the key: municipalities have no ".", the factor has one.
std::optional<RegionZone> regionZone(std::string_view key) {
    for (const auto& row : regionRows()) {
        const std::vector<std::string> items = splitItems(row);
        if (items.front() != key) continue;
        RegionZone zone;
        for (std::size_t i = 1; i < items.size(); ++i) {
            if (items[i].find('.') == std::string::npos)
                zone.municipalities.push_back(items[i]);
            else
                zone.factor = items[i];
        }
        return zone;
    }
    return std::nullopt;
}

}  // namespace marvoten
