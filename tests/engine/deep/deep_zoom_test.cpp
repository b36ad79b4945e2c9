// Deep images through the library's exports: exact against the tests' own direct iteration, the
// hand-over from the double engine, the approximation table, Pause and Escape, and refused locations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "engine/deep/deep_image.h"
#include "engine/plot_path.h"
#include "hwy/targets.h"
#include "tests/engine/deep/direct_reference.h"
#include "tests/engine/plot_session.h"
#include "zenphra.h"

namespace zenphra::test {
namespace {

int32_t InitDeep(const DeepScene& s, int32_t newImage = 1, int32_t rendering = ZENPHRA_REND_LEVEL_SET) {
    const double p1 = 0.1, p2 = 0.1, p3 = s.chebyshevOrder;
    return InitPlotDeep(newImage, s.equation + (s.julia ? ZENPHRA_JULIA_OFFSET : 0), s.width, s.height,
                        s.maxIters, 0, 8, rendering, &s.limit, &s.juliaReal, &s.juliaImag, &p1, &p2, &p3, 0,
                        0, s.centreRe.c_str(), s.centreIm.c_str(), s.magnify.c_str(), &s.angle, 1, 1);
}

std::vector<uint8_t> PlotDeep(const DeepScene& s) {
    EXPECT_GE(InitDeep(s), 0) << s.name;
    for (int32_t row = 0; row < s.height; ++row) EXPECT_GE(PlotFractal(row), 0) << s.name;
    const std::span<uint8_t> pixels = IndexBuffer();
    return {pixels.begin(), pixels.end()};
}

ZenphraPlotPath Path() {
    ZenphraPlotPath path{};
    GetPlotPath(&path);
    return path;
}

// A decimal of `zeros` zeros after the point between `head` and `tail`: a point within a pixel of
// head at any depth up to 10^-zeros.
std::string Near(const std::string& head, int zeros, const std::string& tail) {
    return head + "." + std::string(zeros, '0') + tail;
}

// The first `digits` digits after the point of a long decimal: a point near it at that depth.
std::string Cut(const std::string& text, int digits) { return text.substr(0, text.find('.') + 1 + digits); }

const std::string kRabbitRe =
    "0."
    "21769132490396903794618960879142247267481068547341004723730215291072556474797090099933973472865362413539"
    "98053787759267478924142528440970792195323569148454468226843553916501803557507106054213889262413515234135"
    "33850826913032368218525421773356914868411736934867898890108722366803911019090057968698560311366518500727"
    "12";
const std::string kRabbitIm =
    "0."
    "31444302486128861036671832380983246053028210123937006823165866531549248241373574588793517238583301264002"
    "19411026763386358445983652192513366504356266547767565216551800101613716249732486522753395601263966449306"
    "60006749985491198537870053672626654809928064461475853952379265640938982583130083732564587116418304501050"
    "28";
// The rabbit's repelling fixed point (1 + sqrt(1 - 4 c)) / 2, for views of its Julia set at 1e400.
const std::string kRabbitFixedRe =
    "1."
    "2765819494559259179046727633747607123111125586303507519477984498234678849704159890008973856308587333"
    "2931055897910783364951419001548782333330447053288250693944287976864920426834065420576605340697102737"
    "8826096506749460476142874175212515703783825161323145401838391671245537937612962933649120837305320747"
    "2668574871709259048814529534063937235943100688829690859742150281675879445136081607085048924975836799"
    "057957970236108";
const std::string kRabbitFixedIm =
    "-0."
    "4796660548973277917547586739790140609061474690475767930155812990185996027142586446007877654121999789"
    "3263230987649252493287647017358795851311258497286820643749476223768043016100874477576531101090470215"
    "4591145933750454089088069886804327983629475508239119898887699099657609461756551920615415529856465367"
    "2552520102105093067389561327110689688190468716375942068507136282701619550352552904357227345652687984"
    "397222825873848";
const std::string kLambdaRe =
    "2."
    "60048518044024083831781964149904277709706563836789522020967228150562560699827276301782056682684389329659"
    "39681220343480243845806840564907907893016319396978060042157504192392780908562128799956934677794779886813"
    "46569490924839197805854126137682358384099415663669965369049542596869692684354709306204899854623622476527"
    "98880994";
const std::string kLambdaIm =
    "-1."
    "24962106768765317375920889488570288801046891283800465494030862930634211087899281410490578255106590183463"
    "40447695872804708148136923030234244978372904066346126861874196296230398039172767856939863639470367879983"
    "06407989923823785640156152961955647419520727070797808942674402319722904066313009376391428549425826986870"
    "02067066";

// Points of the other equations' boundaries, found by zooming in steps of 8 towards where the counts
// vary most (or, for some Julia sets, are highest), to 118 decimals: the views around them show
// structure at every depth. With their Julia constants.
struct BoundaryPoint {
    int32_t equation;
    bool julia;
    double juliaReal, juliaImag;
    const char *re, *im;
    // Fewer for the set of "Barnsley 2", whose orbits that stay go on spreading: after 3000 steps
    // hardly a pixel's fate is settled by the precision of the comparison.
    int32_t maxIters = 3000;
};
const BoundaryPoint kBoundaryPoints[] = {
    {1, false, 0, 0,
     "0.24407079496881559684491969944149546596823459392936875385534263686668126956475202854384367017968545"
     "13692107387919504446",
     "0.85420208544700029306650326380649087860092352509214878201310067642429725109742741713480838872601019"
     "09071698380794435894"},
    {1, true, 0.4506, 0.9012,
     "0.68905181536047724189410046724160890699191111852494675478445533931060373466592419665850686316466624"
     "41861280896809866777",
     "-0.3504935040951797680060571018056827383657043834449551876083234592805317133811217256836803655755476"
     "888002450585133601114"},
    {7, false, 0, 0,
     "-0.3238101515902890447156174059447347452047424286459371131292543002520820839081146106122687241415284"
     "814116516212165069812",
     "-0.1023501299028881851705026364566525647584399504811903674902913317908211529559906621111613821625942"
     "308030353458462428372"},
    {7, true, -0.2, 0.05,
     "0.48338451716268198682929272246517344298393132467486402402390070347047989178179883927781228424705791"
     "43143428573772378655",
     "-0.6813545074524370565665928146725919837523478957435633774602169992256667197085792823291508715817545"
     "062574520826469591443"},
    {29, false, 0, 0,
     "-0.4218428954981576245511589362004328664352197405718989232183229401549398847598706219610578159617471"
     "535457791106099282855",
     "0.46800009175413347343967012083246882048047114117867505432675972049417327968452421982413794060482839"
     "14946061698799471167"},
    {29, true, 0.1, -0.2,
     "-0.7467824920709445310981914146813343979294211988141929118194964416345267369130198376543021695341886"
     "202520784892606350029",
     "-1.1053058652778948962852619142686807122027975012868468648503020528866214916351808470064566627735672"
     "944896102235958389470"},
    {28, false, 0, 0,
     "-0.7708787822095676227191076756218295650795485461997417717122886991716305271529175785429074188518683"
     "801977088003545229579",
     "0.92007285023263025593550317176662199110717782097954463991459498646113500575175310041398129622244240"
     "13697042246490967194",
     1500},
    // On the branch line itself, to the Julia constant's last bit, where the other branch leads into the
    // Julia set: the pixels beyond the line take it from the first step on, beside the reference.
    {28, true, 0.6, 1.1,
     "-0.1361591094630900927951706511964324666533692346197056946828987357220898438249862162153016473735937"
     "8508016198607532210800",
     "0.24962503401566519951805864854506058737380432692721170315719512999503104648438227600530703931141373"
     "2589399689940224876133"},
};

// Points on the boundaries of those equations at every depth, to 410 decimals, for views at 1e400:
// for the sets a constant whose start lands on a repelling fixed point after a few steps, for the
// Julia sets a repelling fixed point (for "Chebyshev" a point that lands on a saddle point), worked out
// with Newton's method. The Julia set of "Barnsley 2" stretches by only |c| = 1.25 a step: its pixels
// part after some 4200 steps.
struct DeepPoint {
    int32_t equation;
    bool julia;
    double juliaReal, juliaImag;
    const char *re, *im;
    int32_t maxIters = 3000;
};
const DeepPoint kDeepPoints[] = {
    {1, false, 0, 0,
     "0."
     "3968502629920498686879264098180770650978733319749632524520714404563041264060547933183860533155552392"
     "5573369042033050447587441497453818806953500276113536165484387956964060921832262812126807308436244356"
     "8841151791884276665954618927938087893765426140068198106627191953928617351737749061211262740969467505"
     "5793230806523562417711991511247853877002748502696327030258450311257714567063418647541794098721193130"
     "9005222823",
     "0."
     "6873648184993013131917395984430061387821196168131747173707576593373186109413369389768552980725084611"
     "6077488179063787241035918570185494915731108729596404317991269721082978089322364463593587390646757038"
     "3656148175372947049347297864040793154075562284323457849899870788614076127590096545925933509476766808"
     "1302322135403129440371769428958302162320815264635004625865935027913053145111413764845239846768479680"
     "7962339578"},
    {1, true, 0.4506, 0.9012,
     "-0."
     "6795147141750647821660835742131128168041610457823727881641392528440848870855202580391870040840310526"
     "1434950451972859809186295666396577997287365935340886930816169781402740158739812256984573578445902787"
     "5324196443860441706328829030985486462627282302534064752476118439719682649260580779178708998045400578"
     "6975900483468445216044354118608778515795253768497587486692589933593185122953104144512329418023238446"
     "3298213459",
     "1."
     "1394726231658447137497073784893707459296811123743750294697839398143687978832204842705092824633775447"
     "9462697801805863650201336405411420514574279952521846712054076650106463299471019910109918726961828888"
     "2174415479895374400640210989578046145510810074323972513976226040005019793045822715213361066456135086"
     "4904269968922585160499750070473365984301496217689731439643778701688494369786123452086341261501687875"
     "3140512824"},
    {7, false, 0, 0,
     "1."
     "3060156317635451334550727630707144682680882254374856529151463989789040967814469272766980232179738813"
     "6232300288490674136388802819114133143117088580252824120673496205432463199457729169223153158324370969"
     "6950757363955470794882272376171212622597552023623733997775084888929997686420856874113813071198723603"
     "8724995840427675971911572760260031384277698944990432385091212236308270521781443802659707411098126151"
     "1293550007",
     "0."
     "7677848115491252839853088445979846656404539983732547335960377991712459063976534956994100268897890316"
     "6238214038310069873100618840600018453027558422933506530500980454677505448074006062920531080193955504"
     "5000220022362979380431881329338605146068636005098671010954682969187747138955500944152643061292387583"
     "5898087530512984014359376698339446280087691607374519998129468157405825244226613578573619734849146597"
     "7891511759"},
    {7, true, -0.2, 0.05,
     "0."
     "5318843987383902825288156379532802653252552745713137037331955125404568184118703358648615900531991463"
     "0149508788745133092467970499265211076279473954915045927567110393996429864131722440043302198363975137"
     "0704636896769509354365447960709825971450870317387833264156308707819473729329353741545193888153746385"
     "1085152574616248566975766607024751216337827772003615864443549833195837434746045602520550735421986468"
     "3360933870",
     "0."
     "7840825290488809366094128986531840268616617333378633480164140961870463105323419863504287181617319276"
     "0861481839381996914386529002938991376424773847817465804198185298906603032484670653554316014692352927"
     "4803719617106705684120757891766163493723988404705651156134592890286833596039947093554139621813519246"
     "8274521407559070398080401945147018248184902060900472241368293098945716416149077430155902715513014863"
     "8310419193"},
    {29, false, 0, 0,
     "0."
     "1793154816114270974236126743034259665854006705257623138221876892454104418181295717947238323651827614"
     "3919756154067579711504528004064148228672887355073038515383627394652648692273876120523756569690593973"
     "8818711849593326636461620847715208390750838455949609093047579944014938219011887480972664077781441711"
     "8413142647343608976224243333726968508227853104368803870614978345421381670180313257888220150264343435"
     "8222970024",
     "-1."
     "4619233870010361095537529441195424325177355776430391982925720437027248307358466025989003388362151572"
     "9369238340907920420377759670727164276008065054366874003863757940144812239788933228235160746041026394"
     "0701355871631869163992940641949712587676537510480088747403698007033447934348011123364303251341197196"
     "0289932648335616773002484124107055669818429505421864552552091786091158003634080346439173740700066028"
     "8975591499"},
    {29, true, 0.1, -0.2,
     "-0."
     "8656919751697196670054965412422445393781849791337863102037387341901989780234079568580951006933146261"
     "0445410316163348199602687369351530791112776695121879981024349589527893147859688708180255611356109822"
     "6111458602223984235630978148937180831012810257161797213999177507756140842693944058197917186662605093"
     "6687636100256508599718595556075866575851569523976145825250076372837362781348858270291651815656901458"
     "9368612841",
     "0."
     "9445545724080152308893640315159979509153546479638100042752459383043672288970022581722503876372328455"
     "9979582775267003231045443308102678658128240297202062687208884407049003941348849441651846160428044176"
     "5197928614709671611396351192951446100538924979665445938534504881827381167554371697593520358942956646"
     "5401597454561972460450782819184055531893632728750895660505088975723371633936104150256882129631840020"
     "4012224728"},
    {28, false, 0, 0,
     "-0."
     "9265064986659137015089248007674598054752609043433165937870229303735939221283623616851064719511023802"
     "5614679532334050986210332277267773937575258761392575950044729198525874399174138174629496498527478231"
     "8488455631233241520796854903650911802683524178928424589671607380433468137613364890667305266500324210"
     "3700799132694349093851884607683283168821778540861247295100477977579585082228798103845412392730515273"
     "0390398091",
     "1."
     "2512239005862008022245135398601481527611517216516012178317680612700368929306924478321302132747135827"
     "4874990416792705013747010695836733756074027048189604727925035810149804873499596339277803517788678282"
     "2691283882984574362991606541566844620302686555856216949432817201553631462497814518850359207754027599"
     "2789122762635396929398937243448487641784231935487589026445531387060957680453637679385743022709548832"
     "2339125754"},
    {28, true, 0.6, 1.1,
     "0."
     "7080291970802920000239849840069944675097309887041812587199583193655548081052950854889473862610895526"
     "8214449752899507782117854288016271776993750440891785711574796909877180738209011242372276433828386107"
     "0021079947104573722794580602073349575472361738312296299001260749844413454482407483911330898408775435"
     "8041906051865521087140761075561155917523610648890484495179771039361969902923423381959823523325373260"
     "8118368470",
     "-0."
     "8029197080291970201935855389653704639899870635626986394606825067402447233718826569399656136595162176"
     "0510744747259429450357737262245248244953290919347930000112734630391715184873399631431735157301296105"
     "4965450674565381312987827280403507048097109406872436914949077147563902754196711271674564242688918474"
     "7244610814361395682734906644100130427719017306533624540937664641286588533916874309265956021869901269"
     "6033517269",
     6000},
};

// Scenes at 1e20, 1e50, 1e100 and 1e300 (and 1e400, past the range of a double's exponent, the rabbit's
// near its fixed point), turned and not:
// for the set near the Misiurewicz point i and the Lambda set near a boundary point; for the Julia
// sets near a boundary point of the rabbit and near 1, which Lambda's map sends to its repelling fixed
// point 0.
std::vector<DeepScene> Scenes(int32_t equation, bool julia) {
    std::vector<DeepScene> scenes;
    for (const BoundaryPoint& point : kBoundaryPoints) {
        if (point.equation != equation || point.julia != julia) continue;
        for (const int depth : {30, 100}) {
            scenes.push_back({"", equation, julia, point.juliaReal, point.juliaImag,
                              Cut(point.re, depth + 10), Cut(point.im, depth + 10),
                              "1e" + std::to_string(depth), depth == 30 ? 20.0 : -35.0, point.maxIters, 4.0,
                              24, 18});
        }
        for (const DeepPoint& deep : kDeepPoints) {
            if (deep.equation != equation || deep.julia != julia) continue;
            scenes.push_back({"", equation, julia, deep.juliaReal, deep.juliaImag, deep.re, deep.im, "1e400",
                              10.0, deep.maxIters, 4.0, 24, 18});
        }
        if (equation == 28 && julia) {
            // Exactly on the branch line: -0.22693184910501 (0.6, -1.1) with the Julia constant's doubles.
            // Pixels on its other side cross while their differences lie far below a double's range.
            // The view is its two sides.
            DeepScene line{"",
                           equation,
                           julia,
                           0.6,
                           1.1,
                           "-0.1361591094630059949611007220571234910266866791062057018280029296875",
                           "0.24962503401551102015559711177150603589325328357517719268798828125",
                           "1e400",
                           10.0,
                           6000,
                           4.0,
                           24,
                           18};
            line.leastIndices = 2;
            scenes.push_back(line);
        }
        if (equation == 29 && !julia) {
            // Few iterations in a chaotic view: many of the stable pixels stay within the bail-out
            // beside pixels that leave, where the errors of steps that are not conformal, stretched by
            // the steps after them, would decide.
            scenes.push_back({"", equation, julia, 0, 0, Cut(point.re, 62), Cut(point.im, 62), "1e50", 10.0,
                              300, 4.0, 48, 36});
        }
        return scenes;
    }
    const int depths[] = {20, 50, 100, 300};
    const double angles[] = {0.0, 30.0, -45.0, 33.0};
    for (int k = 0; k < 4; ++k) {
        const int depth = depths[k];
        DeepScene s{"",        equation, julia, 0,  0, "", "", "1e" + std::to_string(depth),
                    angles[k], 3000,     4.0,   24, 18};
        if (equation == 0 && !julia) {
            s.centreRe = Near("0", depth + 2, "1234567");
            s.centreIm = Near("1", depth + 2, "2345678");
        } else if (equation == 0) {
            s.juliaReal = -0.123, s.juliaImag = 0.745;
            s.centreRe = Cut(kRabbitRe, depth + 10);
            s.centreIm = Cut(kRabbitIm, depth + 10);
        } else if (!julia) {
            s.limit = 1e10;
            s.centreRe = Cut(kLambdaRe, depth + 10);
            s.centreIm = Cut(kLambdaIm, depth + 10);
        } else {
            s.limit = 1e10;
            s.juliaReal = 2.553163898911852, s.juliaImag = -0.9593321097946556;
            s.centreRe = Near("1", depth + 2, "1234567");
            s.centreIm = Near("0", depth + 2, "2345678");
        }
        scenes.push_back(s);
    }
    if (equation == 0 || julia) {
        DeepScene extended = scenes.back();
        extended.magnify = "1e400";
        extended.angle = 10.0;
        if (equation == 0 && !julia) {
            extended.centreRe = Near("0", 402, "1234567");
            extended.centreIm = Near("1", 402, "2345678");
        } else if (equation == 0) {
            extended.centreRe = Cut(kRabbitFixedRe, 410);
            extended.centreIm = Cut(kRabbitFixedIm, 410);
        } else {
            extended.centreRe = Near("1", 402, "1234567");
            extended.centreIm = Near("0", 402, "2345678");
        }
        scenes.push_back(extended);
    }
    return scenes;
}

struct Form {
    const char* name;
    int32_t equation;
    bool julia;
};

class DeepExactness : public ::testing::TestWithParam<Form> {
  protected:
    TestPalette palette_;
};

// Every pixel whose direct result is stable gets the direct index, on the deep path, with doubles and
// with numbers of their own exponent.
TEST_P(DeepExactness, StablePixelsGetTheIndexOfDirectIteration) {
    for (DeepScene scene : Scenes(GetParam().equation, GetParam().julia)) {
        const std::string name = std::string(GetParam().name) + " at " + scene.magnify;
        scene.name = name.c_str();
        const std::vector<uint8_t> plotted = PlotDeep(scene);
        ASSERT_EQ(Path().deep, 1) << name;
        const std::vector<int> direct = DirectLevelSet(scene, AmpleBits(scene));
        int stable = 0, differing = 0;
        std::set<int> seen;
        for (size_t i = 0; i < direct.size(); ++i) {
            if (direct[i] < 0) continue;
            ++stable;
            seen.insert(direct[i]);
            differing += plotted[i] != direct[i];
        }
        EXPECT_GE(seen.size(), scene.leastIndices) << name;
        EXPECT_GE(stable * 2, int(direct.size())) << name;
        EXPECT_LE(differing * 200, stable)
            << name << ": " << differing << " of " << stable << " stable pixels differ";
        std::printf("%s: %d of %d stable pixels differ, %zu indices\n", scene.name, differing, stable,
                    seen.size());
    }
}

INSTANTIATE_TEST_SUITE_P(EquationsAndForms, DeepExactness,
                         ::testing::Values(Form{"ClassicSet", 0, false}, Form{"ClassicJulia", 0, true},
                                           Form{"LambdaSet", 24, false}, Form{"LambdaJulia", 24, true},
                                           Form{"PokornySet", 1, false}, Form{"PokornyJulia", 1, true},
                                           Form{"SpiralSymmetry2Set", 7, false},
                                           Form{"SpiralSymmetry2Julia", 7, true},
                                           Form{"Barnsley2Set", 28, false}, Form{"Barnsley2Julia", 28, true},
                                           Form{"ChebyshevSet", 29, false}, Form{"ChebyshevJulia", 29, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A view at the given magnification near the seahorse valley, where doubles give out at about 1e13.
DeepScene Seahorse(const std::string& magnify, int32_t width = 96, int32_t height = 72) {
    return {"seahorse",
            0,
            false,
            0,
            0,
            "-0.74364388703715870475219150611477",
            "0.13182590420531197049313205594117",
            magnify,
            20.0,
            2000,
            4.0,
            width,
            height};
}

// A view near the Misiurewicz point i, which shows its spirals at every depth.
DeepScene NearI(int depth, int32_t width, int32_t height) {
    return {"near i",
            0,
            false,
            0,
            0,
            Near("0", depth + 2, "1234567"),
            Near("1", depth + 2, "2345678"),
            "1e" + std::to_string(depth),
            15.0,
            3000,
            4.0,
            width,
            height};
}

size_t Distinct(const std::vector<uint8_t>& pixels) {
    return std::set<uint8_t>(pixels.begin(), pixels.end()).size();
}

class DeepPlot : public ::testing::Test {
  protected:
    TestPalette palette_;
};

// While doubles resolve the pixels the image is the double engine's, byte for byte; one step deeper the
// deep path takes over and agrees with what doubles still nearly resolve.
TEST_F(DeepPlot, ThePathChangesWhereDoublesStopResolvingThePixels) {
    // The pixel step 3.6 / M / 96 equals 2^-45 at M = 3.6 * 2^45 / 96, about 1.319e12.
    const std::vector<uint8_t> shallowDeep = PlotDeep(Seahorse("1.31e12"));
    EXPECT_EQ(Path().deep, 0);
    PlotRequest request;
    request.width = 96, request.height = 72, request.maxIters = 2000, request.angle = 20.0;
    request.centerReal = -0.74364388703715870475219150611477;
    request.centerImag = 0.13182590420531197049313205594117;
    request.magnify = 1.31e12;
    EXPECT_EQ(PlotWhole(request), shallowDeep);

    const std::vector<uint8_t> deep = PlotDeep(Seahorse("1.33e12"));
    ASSERT_EQ(Path().deep, 1);
    ASSERT_GE(Distinct(deep), 10u);
    request.magnify = 1.33e12;
    const std::vector<uint8_t> doubles = PlotWhole(request);
    int agreeing = 0;
    for (size_t i = 0; i < deep.size(); ++i) agreeing += deep[i] == doubles[i];
    EXPECT_GE(agreeing * 1000, int(deep.size()) * 999) << agreeing << " of " << deep.size() << " agree";
}

// Steps through the approximation table change next to no pixel, with the table of every equation:
// the complex steps of the classic set and "Pokorny", those of "Barnsley 2" within reach of its branch
// line, and the matrices of "Spiral Symmetry 2" and "Chebyshev" (within reach of the fold). Pixels
// whose plain steps change when the view moves by less than a millionth of a pixel do not count:
// chaotic orbits, whose escape no rounding settles. The set of "Chebyshev" is so chaotic near its
// boundary that such a move misses most of them: its exactness scenes against direct iteration decide
// for it. The tables are made (the image holds more bytes with them).
TEST_F(DeepPlot, TheApproximationTableKeepsThePixels) {
    // With the digits the centre is cut to for a move of less than a millionth of a pixel.
    std::vector<std::pair<DeepScene, int>> scenes{{NearI(100, 128, 96), 108}};
    for (const BoundaryPoint& point : kBoundaryPoints) {
        if (point.equation == 29 && !point.julia) continue;
        scenes.push_back({{"boundary point", point.equation, point.julia, point.juliaReal, point.juliaImag,
                           Cut(point.re, 62), Cut(point.im, 62), "1e50", 10.0, point.maxIters, 4.0, 128, 96},
                          58});
    }
    // Beyond a double's exponent.
    for (const DeepPoint& point : kDeepPoints) {
        if (point.equation == 29 && !point.julia) continue;
        scenes.push_back({{"deep point", point.equation, point.julia, point.juliaReal, point.juliaImag,
                           point.re, point.im, "1e400", 10.0, point.maxIters, 4.0, 128, 96},
                          408});
    }
    for (const auto& [scene, movedDigits] : scenes) {
        const std::string name = scene.name + std::string(" of equation ") + std::to_string(scene.equation) +
                                 (scene.julia ? " (Julia)" : "");
        const std::vector<uint8_t> approximated = PlotDeep(scene);
        const int64_t bytesWithTable = Path().bytes;
        ASSERT_GE(Distinct(approximated), 5u) << name;
        AllowApproximation(false);
        const std::vector<uint8_t> stepped = PlotDeep(scene);
        const int64_t bytesWithout = Path().bytes;
        DeepScene moved = scene;
        moved.centreRe = Cut(scene.centreRe, movedDigits), moved.centreIm = Cut(scene.centreIm, movedDigits);
        const std::vector<uint8_t> steppedMoved = PlotDeep(moved);
        AllowApproximation(true);
        EXPECT_GT(bytesWithTable, bytesWithout) << name;
        int stable = 0, agreeing = 0;
        for (size_t i = 0; i < stepped.size(); ++i) {
            if (stepped[i] != steppedMoved[i]) continue;
            ++stable;
            agreeing += stepped[i] == approximated[i];
        }
        EXPECT_GE(stable * 2, int(stepped.size())) << name;
        EXPECT_GE(agreeing * 10000, stable * 9999) << name << ": " << agreeing << " of " << stable;
    }
}

// The pixels of the classic set and of "Lambda" are plotted in vector lanes, with every instruction set
// the library is built for, and their indices are those of plotting each pixel alone: through rebasing,
// table steps or none, escapes and the iteration limit, in rows that do not fill the lanes.
TEST_F(DeepPlot, TheVectorLanesGiveEachPixelItsOwnIndex) {
    DeepScene minibrot = NearI(40, 101, 23);
    minibrot.name = "the benchmark's 1e100 minibrot at 1e40";
    minibrot.centreRe = "-1.4798157761324732607229845259787785469224072577404536968987851";
    minibrot.centreIm = "-0.0006391119326136172715213963225567157295730391894398473604739";
    minibrot.magnify = "1e40";
    minibrot.maxIters = 4000;
    DeepScene seahorse = Seahorse("1e20", 101, 23);
    seahorse.maxIters = 20000;
    DeepScene lambda = Scenes(24, false)[2];
    lambda.name = "Lambda near a boundary point at 1e100";
    lambda.width = 53, lambda.height = 21;
    const std::vector<DeepScene> scenes{seahorse, NearI(100, 67, 19), minibrot, lambda};
    std::vector<int64_t> targets = hwy::SupportedAndGeneratedTargets();
    for (const DeepScene& scene : scenes) {
        for (const bool table : {true, false}) {
            SCOPED_TRACE(std::string(scene.name) + (table ? " with the table" : " without the table"));
            AllowApproximation(table);
            ForcePlainPlot(true);
            const std::vector<uint8_t> alone = PlotDeep(scene);
            ForcePlainPlot(false);
            ASSERT_GE(Distinct(alone), 10u);
            for (const int64_t target : targets) {
                hwy::SetSupportedTargetsForTest(target);
                EXPECT_EQ(PlotDeep(scene), alone) << hwy::TargetName(target);
            }
            hwy::SetSupportedTargetsForTest(0);
        }
    }
    AllowApproximation(true);
}

int32_t pollsUntilEscape = -1;
int32_t EscapeAfterCountdown() { return pollsUntilEscape-- == 0 ? 1 : 0; }

// Escape while the reference is worked out keeps nothing; a paused deep image resumed from its row is
// the image of an uninterrupted plot, the display bitmap included.
TEST_F(DeepPlot, EscapeAndResumeGiveTheUninterruptedImage) {
    const DeepScene scene = NearI(300, 64, 48);
    const std::vector<uint8_t> whole = PlotDeep(scene);
    ASSERT_GE(Distinct(whole), 10u);

    ASSERT_GE(InitDeep(scene), 0);
    pollsUntilEscape = 0;
    SetAbortPoll(EscapeAfterCountdown);
    EXPECT_EQ(PlotFractal(0), ZENPHRA_ABORTED);
    SetAbortPoll(nullptr);
    EXPECT_EQ(Path().referenceIterations, 0);

    for (int32_t row = 0; row < 20; ++row) ASSERT_GE(PlotFractal(row), 0);
    ASSERT_GE(InitDeep(scene, 0), 0);
    for (int32_t row = 20; row < scene.height; ++row) ASSERT_GE(PlotFractal(row), 0);
    const std::span<uint8_t> resumed = IndexBuffer();
    EXPECT_TRUE(std::equal(resumed.begin(), resumed.end(), whole.begin(), whole.end()));
}

// A location that is no number, or a magnification of none, is refused with its code, and so is a deep
// location for an equation without a deep form there; the image plotted before stays as it was.
TEST_F(DeepPlot, LocationsThatCannotBeDrawnAreRefusedAndChangeNothing) {
    const std::vector<uint8_t> before = PlotDeep(Seahorse("1e30", 32, 24));
    const ZenphraPlotPath pathBefore = Path();
    const std::string hugeCentre = "0." + std::string(100000, '7');
    struct Case {
        const char *re, *im, *magnify;
        int32_t equation;
        double limit;
        int32_t code;
    } cases[] = {
        {"", "0.1", "1e30", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {"-0.74", "abc", "1e30", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {"-0.74", "0.1", "0", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {"-0.74", "0.1", "-1e30", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {"-0.74", "0.1", "1e30x", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {hugeCentre.c_str(), "0.1", "1e30", 0, 4.0, ZENPHRA_BAD_LOCATION},
        {"-0.74", "0.1", "1e30", 1, 1e41, ZENPHRA_NO_DEEP_FORM},  // Pokorny whose guard would not escape
    };
    for (const Case& c : cases) {
        DeepScene scene = Seahorse(c.magnify, 32, 24);
        scene.centreRe = c.re, scene.centreIm = c.im, scene.equation = c.equation, scene.limit = c.limit;
        EXPECT_EQ(InitDeep(scene), c.code) << c.re << ", " << c.im << " at " << c.magnify;
        const std::span<uint8_t> now = IndexBuffer();
        EXPECT_TRUE(std::equal(now.begin(), now.end(), before.begin(), before.end()));
        EXPECT_EQ(Path().referenceIterations, pathBefore.referenceIterations);
        EXPECT_EQ(Path().deep, 1);
    }
    // "Pokorny" with a bail-out it is not drawn deep with still draws where doubles suffice.
    DeepScene shallow = Seahorse("1e5", 32, 24);
    shallow.equation = 1;
    shallow.limit = 1e41;
    EXPECT_GE(InitDeep(shallow), 0);
}

}  // namespace
}  // namespace zenphra::test
