// The unit converter's categories: each category's units in order, each
// followed by "$", and the factor of each unit relative to the category's
// first unit (how many of that unit make one of the first). Two names keep
// the characters they have always been stored with: "\tMilliNewton" (Force)
// and "Fluid Ounce " (Volume).
// This file is data; edit it only to correct a table.

#include "calc/UnitCategory.h"

namespace UnitTables {

namespace {

// Acceleration (18 units)
constexpr double kFactors0[] = {
    1.0, 1.609344, 16.09344, 160.9344, 164.1074169062, 1609.3440000008, 1760.0000000046,
    5279.9999999978, 16093.4400000086, 63360.0000001025, 160934.400000086, 160934.400000086,
    1609344.00000086, 1609344000.00086, 1609344000000.86, 1609344000000870.0, 1.60934400000087e+18,
    1.60934400000087e+21,
};

// Weight/Mass (22 units)
constexpr double kFactors1[] = {
    1.0, 984.2, 1000.0, 1102.0, 9807.0, 10000.0, 19680.0, 22050.0, 157500.0, 1000000.0, 2204622.62,
    9807000.0, 35270000.0, 564383391.0, 1000000000.0, 5000000000.0, 15432358400.0, 100000000000.0,
    308600000000.0, 1000000000000.0, 7408000000000.0, 1000000000000000.0,
};

// Computer Storage (14 units)
constexpr double kFactors2[] = {
    1.0, 8.0, 1024.0, 8192.0, 1048576.0, 8388608.0, 1073741823.73192, 8589934589.85537,
    1099511627501.49, 8796093020011.9, 1125899906561520.0, 9007199252492180.0, 1.152921504319e+18,
    9.22337203455199e+18,
};

// Circular/Angle (9 units)
constexpr double kFactors3[] = {
    1.0, 6.0000007199, 6.2831847973, 31.99999784, 31.99999784, 359.9999712, 399.999928,
    21599.9982720001, 1295999.89632001,
};

// Density (37 units)
constexpr double kFactors4[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000000.0, 1000000000000.0, 36127292000000.0,
    578036672000000.0, 752479882000000.0, 842777468000000.0, 1000000000000000.0, 1000000000000000.0,
    1940320330000000.0, 8345404490000000.0, 1e+16, 1.0022417e+16, 6.24279606e+16, 1e+17,
    1.33526472e+17, 1.60358672e+17, 9.98847369e+17, 1e+18, 1e+18, 1.68555494e+18, 1e+19,
    5.84178314e+19, 7.0156919e+19, 1e+20, 4.36995724e+20, 1e+21, 1e+21, 1e+24, 1e+24, 1e+27, 1e+30,
    1e+33, 1e+36,
};

// Pressure (42 units)
constexpr double kFactors5[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 72518868865.0, 101971621298.0, 145037737730.0,
    1000000000000.0, 1000000000000.0, 9869232667160.0, 10000000000000.0, 10197162129800.0,
    10442717116600.0, 100000000000000.0, 145037737730000.0, 145037737730000.0, 295299875080000.0,
    334887209988000.0, 750061682704000.0, 1000000000000000.0, 1000000000000000.0,
    4018646519850000.0, 7500616827040000.0, 7500616827040000.0, 1e+16, 1e+16, 1.01974428892e+16,
    2.08854342331e+16, 1e+17, 1.01971621298e+17, 1e+18, 1e+18, 1e+19, 1e+19, 1e+19, 1e+20, 1e+21,
    1e+24, 1e+27, 1e+30, 1e+33, 1e+36,
};

// Sound (3 units)
constexpr double kFactors6[] = {
    1.0, 1.15127, 10.0,
};

// Power (8 units)
constexpr double kFactors7[] = {
    1.0, 239.005736, 1000.0, 1341.02209, 239005.736, 1000000.0, 3600000000.0, 10000000000000.0,
};

// Date/Time (13 units)
constexpr double kFactors8[] = {
    1.0, 100.0, 105.37237, 1200.0000029219, 1236.7100873167, 1325.4639417816, 1336.7864499643,
    1342.265082956, 5217.745711558, 36524.2199443819, 876581.278665167, 52594876.71991,
    3155692603.1946,
};

// Torque (13 units)
constexpr double kFactors9[] = {
    1.0, 1.12016, 309.6934, 2240.01238, 3037.1632, 26881.38742, 30969.34035, 303716.32084,
    309693.40353, 430164.1375, 30969340.35305, 303716320.84236, 30371632084.2366,
};

// Calorie (9 units)
constexpr double kFactors10[] = {
    1.0, 6.22883, 5543.13186, 23207.9845, 346046.41446, 622883.54598, 5543131.86919, 23207984.50999,
    23207984509.9977,
};

// Speed (14 units)
constexpr double kFactors11[] = {
    1.0, 186270.98321, 299760.19184, 880905.27577, 904376.4988, 299760191.84652, 582687200.2398,
    670544454.43645, 983465197.84172, 1079136690.64748, 11801582344.1247, 17985611510.7914,
    29976019184.6523, 299760191846.523,
};

// Area (17 units)
constexpr double kFactors12[] = {
    1.0, 35.9834259086, 93.1966449207, 143.8956197576, 9319.6644920782, 23028.8909599254,
    92115.5638397018, 931966.449207829, 3684697.11090401, 10027958.9934762, 93196644.9207828,
    111462255.358807, 1003160335.50792, 144455088536.813, 931966449207.828, 93196644920782.8,
    9.31966449207828e+35,
};

// Energy/Work (15 units)
constexpr double kFactors13[] = {
    1.0, 10000000000.0, 252168955475.839, 293099810086.516, 1055074910318.63, 252168955475839.0,
    293099810086516.0, 1000000000000000.0, 1055074910318630.0, 2.52168955475839e+17,
    7.78223253851023e+17, 1.05507491031863e+18, 1.05507491031863e+18, 1.05507491031863e+25,
    6.58472251529859e+36,
};

// Force (26 units)
constexpr double kFactors14[] = {
    1.0, 100.4285714285, 102.0408163265, 112.4795918367, 224.9591836734, 1000.6836734693,
    10006.7857142857, 100067.857142857, 102040.816326531, 224961.489795918, 1000678.57142857,
    1000678.57142867, 3599383.8877551, 7237922.19387755, 10006785.7142857, 10204081.6326531,
    100067857.142857, 102040816.326531, 1000678571.42857, 1020408163.26531, 100067857142.857,
    1000678571428.57, 1000678571428570.0, 1.00067857142857e+18, 1.00067857142857e+21,
    1.00067857142857e+24,
};

// Frequency (14 units)
constexpr double kFactors15[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000000.0, 6283185300000.0, 60000000000000.0,
    360000000000000.0, 376991120000000.0, 1000000000000000.0, 3600000000000000.0, 2.16e+16,
    2.2619467e+16, 1.296e+18,
};

// Fuel Efficiency (30 units)
constexpr double kFactors16[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 539594075030000.0, 621371192240000.0, 1000000000000000.0,
    2042585769800000.0, 2352145832900000.0, 2824809362800000.0, 3785411783400000.0, 1e+16,
    1.6387064001e+16, 2.8413120592e+16, 2.9573529564e+16, 1e+17, 2.3658823648e+17, 2.8413120592e+17,
    4.7317647297e+17, 5.6826241168e+17, 9.4635294639e+17, 1e+18, 1.136524823e+18, 3.7854117834e+18,
    3.7854117834e+18, 4.5460992939e+18, 2.8316846593e+19, 1e+20, 7.6455485817e+20, 1e+21,
};

// Length/Distance (20 units)
constexpr double kFactors17[] = {
    1.0, 3.0, 3.4523383456, 5.5560000046, 27.6187067875, 276.1887602331, 1104.7482737244,
    5556.0000046892, 6076.1154999282, 18228.3464997847, 27618.8760233103, 54685.0394437942,
    55560.0000468926, 218740.157441817, 555600.000468926, 2624654.40221521, 5556000.00468926,
    5556000004.68926, 5556000004689.26, 55560000046892.6,
};

// Volume (36 units)
constexpr double kFactors18[] = {
    1.0, 1.30795062, 6.111, 6.29, 8.648, 10.0, 27.5, 28.38, 35.3146667, 100.0, 110.0, 113.510367,
    220.0, 227.0, 264.172051, 879.9, 908.1, 1000.0, 1056.6882, 1760.0, 1816.0, 2113.37641,
    4226.75282, 7265.0, 8454.0, 10000.0, 33814.0226, 35200.0, 61023.7441, 67628.0451, 100000.0,
    202884.135, 270500.0, 1000000.0, 16230000.0, 1000000000.0,
};

// Resistance (6 units)
constexpr double kFactors19[] = {
    1.0, 898752.432401558, 898307770141.865, 898752432401.558, 8.98752432401558e+17,
    8.98752432401558e+20,
};

// Resistivity (8 units)
constexpr double kFactors20[] = {
    1.0, 8987524324.01558, 353839540315.956, 898752432401.558, 3.53839540315956e+17,
    8.98752432401558e+17, 5.40626994110554e+18, 8.98752432401558e+20,
};

// Capacitance (19 units)
constexpr double kFactors21[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000.0, 1000000000000.0, 1000000000000000.0, 1e+16,
    1e+17, 1e+18, 1e+19, 1e+20, 1e+21, 1e+24, 1e+27, 8.98755224015e+29, 1e+30, 1e+33, 1e+36,
};

// Conductance (10 units)
constexpr double kFactors22[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000.0, 1000000000000.0, 1000000000000000.0,
    1000000000000000.0, 1000000000000000.0, 8.99e+20,
};

// Magnetic Flux (10 units)
constexpr double kFactors23[] = {
    1.0, 1.0, 1.0, 100.0, 1000.0, 100000.0, 99966910.9525, 100000000.0, 100000000.0, 100000000.0,
};

// Radioactivity (15 units)
constexpr double kFactors24[] = {
    1.0, 1000.0, 1000000.0, 37000000.0, 1000000000.0, 37000000000.0, 1000000000000.0,
    37000000000000.0, 1000000000000000.0, 3.7e+16, 1e+18, 3.7e+19, 1e+21, 3.7e+22, 3.7e+25,
};

// Radiation Absorbed Dose (19 units)
constexpr double kFactors25[] = {
    1.0, 1000.0, 100000.0, 1000000.0, 1000000.0, 10000000.0, 100000000.0, 1000000000.0,
    1000000000.0, 100000000000.0, 1000000000000.0, 1000000000000.0, 100000000000000.0,
    1000000000000000.0, 1e+17, 1e+18, 1e+20, 1e+21, 1e+23,
};

// Radiation Exposure (8 units)
constexpr double kFactors26[] = {
    1.0, 462.5261327248, 1000.0, 3875.968992248, 3875.968992248, 3875.968992248, 46252.6132724806,
    1000000.0,
};

// Heat Capacity (11 units)
constexpr double kFactors27[] = {
    1.0, 1.0, 1.0, 1.0, 1.0, 1.8, 4.1868, 4.1868, 4.1868, 4186.8000000086, 4186.8000000086,
};

// Heat Transfer Coefficient (8 units)
constexpr double kFactors28[] = {
    1.0, 3344.5094385711, 7373.3810965581, 7373.3810965581, 36000.0000000754, 41868.0000000869,
    41868.0000000869, 41868.0000000869,
};

// Heat Flux Density (16 units)
constexpr double kFactors29[] = {
    1.0, 4.1868, 5.2884719084, 27.0115588602, 41.868, 221.2014329675, 3344.5094385711,
    3599.9999997605, 7373.3810965581, 13272.0859681776, 36000.0000000754, 41868.0000000869,
    41868.0000000869, 172132.157598693, 1507248000.00313, 150724800000.313,
};

// Flow - Mass (26 units)
constexpr double kFactors30[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000000.0, 1000000000000000.0, 2204622621740000.0,
    1e+16, 6e+16, 1e+17, 1.32277357311e+17, 1e+18, 3.6e+18, 7.93664143866e+18, 1e+19, 6e+19,
    8.64e+19, 1e+20, 1.90479394528e+20, 1e+21, 3.6e+21, 6e+22, 8.64e+22, 1e+24, 3.6e+24, 8.64e+25,
};

// Flow - Volume (54 units)
constexpr double kFactors31[] = {
    1.0, 1.3079506192, 2.9185558233, 6.2898107704, 35.3146667197, 60.0, 70.0453397609,
    78.4770371549, 219.96923466, 264.1720523577, 377.3886462248, 739.3290564342, 1000.0,
    1629.9415631903, 2118.8800031851, 3599.9999999971, 4708.6222292962, 13198.1540795894,
    15850.3231414673, 22643.3187735299, 25566.5490127355, 33814.0227018329, 35195.0775455958,
    44359.7433936845, 60000.000000072, 61023.7440917512, 86399.9999999309, 97796.4937840018,
    127132.800191178, 543439.650563565, 791889.244775367, 951019.388488039, 1000000.0, 1000000.0,
    2028841.36210998, 2111704.65273431, 2661584.60334387, 3599999.99999712, 3661424.64550507,
    5867789.62503131, 19005341.8746088, 22824465.3237417, 60000000.000072, 60000000.000072,
    63878030.4840689, 86399999.9999309, 121730481.726383, 126702279.164059, 140826951.050647,
    219685478.72994, 3599999999.99712, 3599999999.99712, 86399999999.9309, 86399999999.9309,
};

// Flow - Molar (26 units)
constexpr double kFactors32[] = {
    1.0, 1000.0, 1000000.0, 1000000000.0, 1000000000000.0, 1000000000000000.0, 1e+16, 6e+16, 1e+17,
    1e+18, 3.6e+18, 1e+19, 6e+19, 8.64e+19, 1e+20, 1e+21, 3.6e+21, 6e+22, 8.64e+22, 1e+24, 3.6e+24,
    8.64e+25, 1e+27, 1e+30, 1e+33, 1e+36,
};

// Luminous Intensity (10 units)
constexpr double kFactors33[] = {
    1.0, 1.04058, 9.5, 9.6, 10.0, 10.0, 10.0, 10.0, 10.0, 11.11111,
};

// Illumination (11 units)
constexpr double kFactors34[] = {
    1.0, 682.9999999991, 682.9999999991, 682.9999999991, 158631.940799806, 634527.763199909,
    634527.763199909, 6829999.99999167, 6829999.99999167, 6829999.99999167, 6829999999.99167,
};

// Magnetic Flux Density (11 units)
constexpr double kFactors36[] = {
    1.0, 6.4516, 10000.0, 10000.0, 10000.0, 99966910.9525, 100000000.0, 100000000.0, 100000000.0,
    645160000.003, 645160000.003,
};

// Luminance (19 units)
constexpr double kFactors37[] = {
    1.0, 682.9999999991, 682.9999999991, 682.9999999991, 682.9999999991, 4406.4427999946,
    6829.9999999916, 634527.763199226, 634527.763199226, 682999.999999167, 1993427.75936437,
    6829999.99999167, 6829999.99999167, 6829999.99999167, 21457077.8239935, 21457077.8239935,
    6829999999.99167, 21457077823.9935, 214570778239935.0,
};

constexpr Entry kEntries[] = {
    {u"Acceleration",
     u"Mile/sq.second$Kilometer/sq.second$Hectometer/sq. second$Dekameter/sq. second$G$"
     u"Meter/sq. second$Yard/sq. second$Foot/sq. second$Decimeter/sq. second$"
     u"Inch/sq.second$Gal$Centimeter/sq.second$Millimeter/sq. second$"
     u"Micrometer/sq. second$Nanometer/sq. second$Picometer/sq. second$"
     u"Femtometer/sq. second$Attometer/sq. second$",
     kFactors0},
    {u"Weight/Mass",
     u"Kilotonne$Long Ton$Tonne$Short Ton$KiloNewton$Centner$Long Hundredweight$"
     u"Short Hundredweight$Stone$Kilogram$Pound(Lb)$Newton$Ounce$Dram$Gram$Carat$Grain$"
     u"Centigram$Mite$Milligram$Doite$Microgram$",
     kFactors1},
    {u"Computer Storage",
     u"ExaByte$ExaBit$PetaByte$PetaBit$TeraByte$TeraBit$GigaByte$GigaBit$MegaByte$"
     u"MegaBit$KiloByte$KiloBit$Byte$Bit$",
     kFactors2},
    {u"Circular/Angle",
     u"Circumference$Sextant$Radian(rad)$Point$Nautical Rhumb$Degree (deg)$"
     u"Grade (grad)$Minute(')$Second('')$",
     kFactors3},
    {u"Density",
     u"Exagram/liter$Petagram/liter$Teragram/liter$Gigagram/liter$Kg/cubic centimeter$"
     u"Gram/cubic millimeter$Pound/cubic inch$Ounce/cubic inch$Ton(long)/cubic yard$"
     u"Ton(short)/cubic yard$Kilogram/liter$Gram/cubic centimete$Slug/cubic foot$"
     u"Pound/gallon(US)$Hectogram/liter$Pound/gallon(UK)$Pound/cubic foot$"
     u"Dekagram/liter$Ounce/gallon(US)$Ounce/gallon(UK)$Ounce/cubic foot$"
     u"Kg/cubic meter$Gram/liter$Pound/cubic yard$Decigram/liter$Grain/gallon(US)$"
     u"Grain/gallon(UK)$Centigram/liter$Grain/cubic foot$Milligram/liter$"
     u"Gram/cubic meter$Milligram/cubic meter$Microgram/liter$Nanogram/liter$"
     u"Picogram/liter$Femtogram/liter$Attogram/liter$",
     kFactors4},
    {u"Pressure",
     u"Exapascal$Petapascal$Terapascal$Gigapascal$Ton/square inch$Kilogram/square mm$"
     u"Kip/square inch$Megapascal$Newton/square mm$Atmosphere$Bar$Kilogram/square cm$"
     u"Ton/square foot$Newton/square cm$Pound/square inch$Psi$Inch mercury (32°F)$"
     u"Foot water (60°F)$Cm. mercury (0°C)$Kilopascal$Kilonewton/square m$"
     u"Inch water (60°F)$MM mercury (0°C)$Torr$Millibar$Hectopascal$Cm. water (4°C)$"
     u"Pound/square foot$Dekapascal$Kilogram/square m$Newton/square m$Pascal$"
     u"Decipascal$Dyne/square cm$Microbar$Centipascal$Millipascal$Micropascal$"
     u"Nanopascal$Picopascal$Femtopascal$Attopascal$",
     kFactors5},
    {u"Sound",
     u"Bel$Nepe$Decibel$",
     kFactors6},
    {u"Power",
     u"MegaWatt$KiloCalorie per Second$KiloWatt$HorsePower$Calorie per Second$Watt$"
     u"Joule per Hour$Erg per Second$",
     kFactors7},
    {u"Date/Time",
     u"Century$Year$Dracontic Year$Calendar Month$Synodic Month$Anomalistic Month$"
     u"Syderic Month$Dracontic Month$Week$Day$Hour$Minute$Second$",
     kFactors8},
    {u"Torque",
     u"LongToneForceFoot$ShortToneForceFoot$KilogramForceMeter$PoundForceFoot$"
     u"Newton Meter$PoundForceInch$KilogramForceCentimete$Newton Centimeter$"
     u"GramForceMeter$OunceForceInch$GramForceCentimeter$Dyne Meter$Dyne Centimeter$",
     kFactors9},
    {u"Calorie",
     u"Therm/gallon (UK)$Therm/cubic foot$Calorie/cubic centimt$Megajoule/cubic meter$"
     u"CHU/cubic foot$BTU/cubic foot$Kilocalorie/cubic meter$Kilojoule/cubic meter$"
     u"Joule/cubic meter$",
     kFactors10},
    {u"Speed",
     u"Speed of light(vacuum)$Mile/second$Kilometer/second$Mach$Speed of sound(air)$"
     u"Meter/second$Knot$Mile/hour$Foot/second$Kilometer/hour$Inch/second$Meter/minute$"
     u"Centimeter/second$Millimeter/second$",
     kFactors11},
    {u"Area",
     u"Township$Square Mile$Square Kilometer$Homestead$Hectare$Acre$Rood$Are$"
     u"Square Rod$Square$Square Meter$Square Yard$Square Foot$Square Inch$"
     u"Square Centimeter$Square Millimeter$Barn$",
     kFactors12},
    {u"Energy/Work",
     u"Quad$Therm$MegaCalorie$Kilowatt Hour$MegaJoule$KiloCalorie$Watt Hour$"
     u"Thermal Unit(british)$KiloJoule$Calorie$Foot Pound$Joule$Watt Second$Erg$"
     u"Electronvolt$",
     kFactors13},
    {u"Force",
     u"MegaNewton$TonForce(long)$MegaPound$TonForce(short)$Kip$KiloNewton$HectoNewton$"
     u"DekaNewton$KilogramForce$Pound Force$Joule/Meter$Newton$Ounce Force$Poundal$"
     u"DeciNewton$Dekagram Force$CentiNewton$GramForce$\tMilliNewton$Decigram Force$"
     u"Dyne$MicroNewton$NanoNewton$PicoNewton$FemtoNewton$AttoNewton$",
     kFactors14},
    {u"Frequency",
     u"TerraHertz$GigaHertz$MegaHertz$KiloHertz$Hertz$Radian/Second$Revolution/Minute$"
     u"Degree Second$Radian/Minute$MilliHertz$Revolution/Hour$Degree Minute$"
     u"Radian/Hour$Degree Hour$",
     kFactors15},
    {u"Fuel Efficiency",
     u"Exameter/liter$Petameter/liter$Terameter/liter$Gigameter/liter$"
     u"Nautical mile/liter$Mile/liter (US)$Kilometer/liter$Nautical mile/gallon$"
     u"Mile/gallon (US)$Mile/gallon (UK)$Kilometer/gallon(US)$Hectometer/liter$"
     u"Meter/sq. inch$Meter/fluid ounce (UK)$Meter/fluid ounce$Dekameter/liter$"
     u"Meter/cup$Meter/cup (UK)$Meter/pint$Meter/pint (UK)$Meter/quart$Meter/liter$"
     u"Meter/quart (UK)$Meter/gallon$Meter/gallon (US)$Meter/gallon (UK)$"
     u"Meter/sq. feet$Centimeter/liter$Meter/sq. Yard$Meter/sq. meter$",
     kFactors16},
    {u"Length/Distance",
     u"League$Nautical Mile$Mile$Kilometer$Furlong$Chain$Rod$Meter$Yard$Feet$Link$Hand$"
     u"Decimeter$Inch$Centimeter$Line$Millimeter$Micrometer$Nanometer$Angstrom$",
     kFactors17},
    {u"Volume",
     u"Cubic Meter$Cubic Yard$Barrel(british)$Barrel (liquid)$Barrel(dry)$Hectoliter$"
     u"Bushel(british)$Bushel(dry)$Cubic Foot$Decaliter$Peck(british)$Peck(dry)$"
     u"Gallon(british)$Gallon(dry)$Gallon(liquid)$Quart(british)$Quart(dry)$Liter$"
     u"Quart(liquid)$Pint(british)$Pint(dry)$Pint(liquid)$Cup$Gill(dry)$Gill(liquid)$"
     u"Deciliter$Fluid Ounce $Fluid Ounce(british)$Cubic Inch$Tablespoon$Centiliter$"
     u"Teaspoon$Fluid Dram$Milliliter$Minim$Microliter$",
     kFactors18},
    {u"Resistance",
     u"Statohm$Megohm$Ohm (International)$Ohm$Microhm$Abohm$",
     kFactors19},
    {u"Resistivity",
     u"Statohm centimeter$Ohm meter$Ohm inch$Ohm centimeter$Microhm inch$"
     u"Microhm centimeter$Circular mil ohm/foot$Abohm centimeter$",
     kFactors20},
    {u"Capacitance",
     u"Exafarad$Petafarad$Terafarad$Abfarad$Gigafarad$Megafarad$Kilofarad$Hectofarad$"
     u"Dekafarad$Farad$Decifarad$Centifarad$Millifarad$Microfarad$Nanofarad$Statfarad$"
     u"Picofarad$Femtofarad$Attofarad$",
     kFactors21},
    {u"Conductance",
     u"Abmho$Megasiemens$Kilosiemens$Mho$Siemens$Millisiemens$Micromho$Gemmho$"
     u"Microsiemens$Statmho$",
     kFactors22},
    {u"Magnetic Flux",
     u"Tesla square meter$Volt second$Weber$Megaline$Tesla square cm.$Kiloline$"
     u"Maxwell (International)$Gauss square cm.$Line$Maxwell$",
     kFactors23},
    {u"Radioactivity",
     u"Gigacurie$Megacurie$Kilocurie$Terabecquerel$Curie$Gigabecquerel$Millicurie$"
     u"Megabecquerel$Microcurie$Kilobecquerel$Nanocurie$Becquerel$Picocurie$"
     u"Millibecquerel$Microbecquerel$",
     kFactors24},
    {u"Radiation Absorbed Dose",
     u"Teragray$Gigagray$Gigarad$Joule/milligram$Megagray$Joule/centigram$Megarad$"
     u"Joule/gram$Kilogray$Kilorad$Gray$Joule/kilogram$Rad$Milligray$Millirad$"
     u"Microgray$Microrad$Nanogray$Nanorad$",
     kFactors25},
    {u"Radiation Exposure",
     u"Coulomb/kilogram$Sievert$Millicoulomb/kilogram$Roentgen$Parker$Rep$Rem$"
     u"Microcoulomb/kilogram$",
     kFactors26},
    {u"Heat Capacity",
     u"BTU/pound °R$BTU/pound °F$Calorie/gram °C$CHU/pound °C$Kilocalorie/kilogram °C$"
     u"BTU/pound °C$Joule/gram °C$Kilojoule/kilogram °C$Kilojoule/kilogram K$"
     u"oule/kilogram °C$Joule/kilogram K$",
     kFactors27},
    {u"Heat Transfer Coefficient",
     u"Calorie/sec sq cm °C$Kilocal/hr sq foot °C$BTU/hour sq foot °F$"
     u"CHU/hr sq foot °C$Kilocal/hr sq meter°C$Joule/sec sq meter K$Watt/sq m. °C$"
     u"Watt/sq meter K$",
     kFactors28},
    {u"Heat Flux Density",
     u"Calorie/sec sq cm$Watt/sq centimeter$Horsepower/sq foot$Watt/sq inch$"
     u"Kilowatt/sq meter$BTU/minute sq foot$Kilocalorie/hr sq foot$"
     u"Gram calorie/hr sq cm$CHU/hour sq foot$BTU/hour sq foot$Kilocalorie/hr sq meter$"
     u"Joule/second sq meter$Watt/sq meter$Foot pound/min sq foot$"
     u"Erg/hour sq millimeter$Dyne/hour centimt$",
     kFactors29},
    {u"Flow - Mass",
     u"exagram/second$petagram/second$teragram/second$gigagram/second$megagram/second$"
     u"kilogram/second$pound/second$hectogram/second$kilogram/minute$dekagram/second$"
     u"pound/minute$gram/second$kilogram/hour$pound/hour$decigram/second$gram/minute$"
     u"kilogram/day$centigram/second$pound/day$milligram/second$gram/hour$"
     u"milligram/minute$gram/day$microgram/second$milligram/hour$milligram/day$",
     kFactors30},
    {u"Flow - Volume",
     u"cubic meter/second$cubic yard/second$acre-foot/hour$barrel (oil)/second$"
     u"cubic foot/second$cubic meter/minute$acre-foot/day$cubic yard/minute$"
     u"gallon (UK)/second$gallon/second$barrel (oil)/minute$kilogram/second$"
     u"liter/second$pound/second$cubic foot/minute$cubic meter/hour$cubic yard/hour$"
     u"gallon (UK)/minute$gallon/minute$barrel (oil)/hour$acre-foot/year$ounce/second$"
     u"ounce (UK)/second$kilogram/minute$liter/minute$cubic inch/second$"
     u"cubic meter/day$pound/minute$cubic foot/hour$barrel (oil)/day$gallon (UK)/hour$"
     u"gallon/hour$cubic cm./second$milliliter/second$ounce/minute$ounce (UK)/minute$"
     u"kilogram/hour$liter/hour$cubic inch/minute$pound/hour$gallon (UK)/day$"
     u"gallon/day$milliliter/minute$cubic cm./minute$kilogram/day$liter/day$ounce/hour$"
     u"ounce (UK)/hour$pound/day$cubic inch/hour$cubic centimeter/hour$milliliter/hour$"
     u"milliliter/day$cubic centimeter/day$",
     kFactors31},
    {u"Flow - Molar",
     u"examol/second$petamol/second$teramol/second$gigamol/second$megamol/second$"
     u"kilomol/second$hectomol/second$kilomol/minute$dekamol/second$mol/second$"
     u"kilomol/hour$decimol/second$mol/minute$kilomol/day$centimol/second$"
     u"millimol/second$mol/hour$millimol/minute$mol/day$micromol/second$millimol/hour$"
     u"millimol/day$nanomol/second$picomol/second$femtomol/second$attomol/second$",
     kFactors32},
    {u"Luminous Intensity",
     u"Pentane candle$Carcel unit$Candle (German)$Candle (UK)$Candle(Int)$"
     u"Candle (pentane)$Bougie decimal$Decimal candle$Lumen/steradian$Hefner candle$",
     kFactors33},
    {u"Illumination",
     u"Watt/sq. centimeter$Lumen/sq. centimeter$Centimeter candle$Phot$Flame$"
     u"Foot candle$Lumen/sq. foot$Lux$Lumen/sq. meter$Meter candle$Nox$",
     kFactors34},
    {u"Temperature",
     u"Reaumur (R)$Celsius (C)$Fahrenheit (F)$Kelvin (K)$Rankine$",
     {}},
    {u"Magnetic Flux Density",
     u"Weber/square cm.$Weber/square inch$Weber/square meter$Tesla$"
     u"Maxwell/square meter$Gauss (International)$Gauss$Line/square cm.$"
     u"Maxwell/square cm.$Line/square inch$Maxwell/square inch$",
     kFactors36},
    {u"Luminance",
     u"Watt/sq. centimeter$Candela/sq. centimeter$Stilb$Lumen/sq. centimeter$Lambert$"
     u"Candela/square inch$Kilocandela/sq. meter$Candela/square foot$Lumen/sq. foot$"
     u"Millilambert$Foot-lambert$Candela/sq. meter$Lumen/sq. meter$Nit$Apostilb$"
     u"Blondel$Millinit$Skot$Bril$",
     kFactors37},
};

} // namespace

std::span<const Entry> entries()
{
    return kEntries;
}

} // namespace UnitTables
