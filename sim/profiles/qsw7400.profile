# QSW-7400 device model for qsw7400-sim. Format: see sim/README.md.

# system
object 1.3.6.1.2.1.1.1.0 sysDescr DisplayString ro value="QSW-7400 52-port Gigabit Managed Switch, firmware 4.05.B012"
object 1.3.6.1.2.1.1.2.0 sysObjectID ObjectId ro value=1.3.6.1.4.1.171.10.76.7400
object 1.3.6.1.2.1.1.3.0 sysUpTime TimeTicks ro live=uptime
object 1.3.6.1.2.1.1.4.0 sysContact DisplayString rw value="network operations"
object 1.3.6.1.2.1.1.5.0 sysName DisplayString rw value="QSW-7400"
object 1.3.6.1.2.1.1.6.0 sysLocation DisplayString rw value="lab rack 3"
object 1.3.6.1.2.1.1.7.0 sysServices Integer ro range=0..127 value=6

# interfaces: ports 8, 16, 24, 32, 40 (disabled), 48 and 50 without a link; errors grow on 7, 19
# and 33, discards on 19 and 45
object 1.3.6.1.2.1.2.1.0 ifNumber Integer ro live=rows:1.3.6.1.2.1.2.2.1
table 1.3.6.1.2.1.2.2.1 ifEntry
column 1.3.6.1.2.1.2.2.1 1 ifIndex Integer ro range=1..2147483647 index
column 1.3.6.1.2.1.2.2.1 2 ifDescr DisplayString ro
column 1.3.6.1.2.1.2.2.1 3 ifType Integer ro default=6
column 1.3.6.1.2.1.2.2.1 4 ifMtu Integer ro default=1500
column 1.3.6.1.2.1.2.2.1 5 ifSpeed Gauge32 ro
column 1.3.6.1.2.1.2.2.1 6 ifPhysAddress MacAddress ro
column 1.3.6.1.2.1.2.2.1 7 ifAdminStatus Integer rw range=1..3 default=1
column 1.3.6.1.2.1.2.2.1 8 ifOperStatus Integer ro range=1..7 default=2
column 1.3.6.1.2.1.2.2.1 9 ifLastChange TimeTicks ro
column 1.3.6.1.2.1.2.2.1 10 ifInOctets Counter32 ro live=grow:12500:250:1/2/3/4/5/6/7/9/10/11/12/13/14/15/17/18/19/20/21/22/23/25/26/27/28/29/30/31/33/34/35/36/37/38/39/41/42/43/44/45/46/47/49/51/52
column 1.3.6.1.2.1.2.2.1 11 ifInUcastPkts Counter32 ro live=grow:90:2
column 1.3.6.1.2.1.2.2.1 12 ifInNUcastPkts Counter32 ro live=grow:4
column 1.3.6.1.2.1.2.2.1 13 ifInDiscards Counter32 ro live=grow:4:0:19/45
column 1.3.6.1.2.1.2.2.1 14 ifInErrors Counter32 ro live=grow:2:0:7/19/33
column 1.3.6.1.2.1.2.2.1 15 ifInUnknownProtos Counter32 ro
column 1.3.6.1.2.1.2.2.1 16 ifOutOctets Counter32 ro live=grow:9800:150:1/2/3/4/5/6/7/9/10/11/12/13/14/15/17/18/19/20/21/22/23/25/26/27/28/29/30/31/33/34/35/36/37/38/39/41/42/43/44/45/46/47/49/51/52
column 1.3.6.1.2.1.2.2.1 17 ifOutUcastPkts Counter32 ro live=grow:70:1
column 1.3.6.1.2.1.2.2.1 18 ifOutNUcastPkts Counter32 ro live=grow:3
column 1.3.6.1.2.1.2.2.1 19 ifOutDiscards Counter32 ro live=grow:1:0:45
column 1.3.6.1.2.1.2.2.1 20 ifOutErrors Counter32 ro live=grow:1:0:33
column 1.3.6.1.2.1.2.2.1 21 ifOutQLen Gauge32 ro
column 1.3.6.1.2.1.2.2.1 22 ifSpecific ObjectId ro default=0.0
row 1.3.6.1.2.1.2.2.1 1 "Port 1" - - 1000000000 hex:0050BA740001 1 1 100 1000003 7919 131 0 1 0 900007 6007 97 0 0 0 -
row 1.3.6.1.2.1.2.2.1 2 "Port 2" - - 1000000000 hex:0050BA740002 1 1 200 2000006 15838 262 0 2 0 1800014 12014 194 0 0 0 -
row 1.3.6.1.2.1.2.2.1 3 "Port 3" - - 100000000 hex:0050BA740003 1 1 300 3000009 23757 393 0 0 0 2700021 18021 291 0 0 0 -
row 1.3.6.1.2.1.2.2.1 4 "Port 4" - - 1000000000 hex:0050BA740004 1 1 400 4000012 31676 524 0 1 0 3600028 24028 388 0 0 0 -
row 1.3.6.1.2.1.2.2.1 5 "Port 5" - - 1000000000 hex:0050BA740005 1 1 500 5000015 39595 655 0 2 0 4500035 30035 485 0 0 0 -
row 1.3.6.1.2.1.2.2.1 6 "Port 6" - - 100000000 hex:0050BA740006 1 1 600 6000018 47514 786 0 0 0 5400042 36042 582 0 0 0 -
row 1.3.6.1.2.1.2.2.1 7 "Port 7" - - 1000000000 hex:0050BA740007 1 1 700 7000021 55433 917 0 1 0 6300049 42049 679 0 0 0 -
row 1.3.6.1.2.1.2.2.1 8 "Port 8" - - 0 hex:0050BA740008 1 2 800 8000024 63352 1048 0 2 0 7200056 48056 776 0 0 0 -
row 1.3.6.1.2.1.2.2.1 9 "Port 9" - - 100000000 hex:0050BA740009 1 1 900 9000027 71271 1179 0 0 0 8100063 54063 873 0 0 0 -
row 1.3.6.1.2.1.2.2.1 10 "Port 10" - - 1000000000 hex:0050BA74000A 1 1 1000 10000030 79190 1310 0 1 0 9000070 60070 970 0 0 0 -
row 1.3.6.1.2.1.2.2.1 11 "Port 11" - - 1000000000 hex:0050BA74000B 1 1 1100 11000033 87109 1441 0 2 0 9900077 66077 1067 0 0 0 -
row 1.3.6.1.2.1.2.2.1 12 "Port 12" - - 100000000 hex:0050BA74000C 1 1 1200 12000036 95028 1572 0 0 0 10800084 72084 1164 0 0 0 -
row 1.3.6.1.2.1.2.2.1 13 "Port 13" - - 1000000000 hex:0050BA74000D 1 1 1300 13000039 102947 1703 0 1 0 11700091 78091 1261 0 0 0 -
row 1.3.6.1.2.1.2.2.1 14 "Port 14" - - 1000000000 hex:0050BA74000E 1 1 1400 14000042 110866 1834 0 2 0 12600098 84098 1358 0 0 0 -
row 1.3.6.1.2.1.2.2.1 15 "Port 15" - - 100000000 hex:0050BA74000F 1 1 1500 15000045 118785 1965 0 0 0 13500105 90105 1455 0 0 0 -
row 1.3.6.1.2.1.2.2.1 16 "Port 16" - - 0 hex:0050BA740010 1 2 1600 16000048 126704 2096 0 1 0 14400112 96112 1552 0 0 0 -
row 1.3.6.1.2.1.2.2.1 17 "Port 17" - - 1000000000 hex:0050BA740011 1 1 1700 17000051 134623 2227 0 2 0 15300119 102119 1649 0 0 0 -
row 1.3.6.1.2.1.2.2.1 18 "Port 18" - - 100000000 hex:0050BA740012 1 1 1800 18000054 142542 2358 0 0 0 16200126 108126 1746 0 0 0 -
row 1.3.6.1.2.1.2.2.1 19 "Port 19" - - 1000000000 hex:0050BA740013 1 1 1900 19000057 150461 2489 0 1 0 17100133 114133 1843 0 0 0 -
row 1.3.6.1.2.1.2.2.1 20 "Port 20" - - 1000000000 hex:0050BA740014 1 1 2000 20000060 158380 2620 0 2 0 18000140 120140 1940 0 0 0 -
row 1.3.6.1.2.1.2.2.1 21 "Port 21" - - 100000000 hex:0050BA740015 1 1 2100 21000063 166299 2751 0 0 0 18900147 126147 2037 0 0 0 -
row 1.3.6.1.2.1.2.2.1 22 "Port 22" - - 1000000000 hex:0050BA740016 1 1 2200 22000066 174218 2882 0 1 0 19800154 132154 2134 0 0 0 -
row 1.3.6.1.2.1.2.2.1 23 "Port 23" - - 1000000000 hex:0050BA740017 1 1 2300 23000069 182137 3013 0 2 0 20700161 138161 2231 0 0 0 -
row 1.3.6.1.2.1.2.2.1 24 "Port 24" - - 0 hex:0050BA740018 1 2 2400 24000072 190056 3144 0 0 0 21600168 144168 2328 0 0 0 -
row 1.3.6.1.2.1.2.2.1 25 "Port 25" - - 1000000000 hex:0050BA740019 1 1 2500 25000075 197975 3275 0 1 0 22500175 150175 2425 0 0 0 -
row 1.3.6.1.2.1.2.2.1 26 "Port 26" - - 1000000000 hex:0050BA74001A 1 1 2600 26000078 205894 3406 0 2 0 23400182 156182 2522 0 0 0 -
row 1.3.6.1.2.1.2.2.1 27 "Port 27" - - 100000000 hex:0050BA74001B 1 1 2700 27000081 213813 3537 0 0 0 24300189 162189 2619 0 0 0 -
row 1.3.6.1.2.1.2.2.1 28 "Port 28" - - 1000000000 hex:0050BA74001C 1 1 2800 28000084 221732 3668 0 1 0 25200196 168196 2716 0 0 0 -
row 1.3.6.1.2.1.2.2.1 29 "Port 29" - - 1000000000 hex:0050BA74001D 1 1 2900 29000087 229651 3799 0 2 0 26100203 174203 2813 0 0 0 -
row 1.3.6.1.2.1.2.2.1 30 "Port 30" - - 100000000 hex:0050BA74001E 1 1 3000 30000090 237570 3930 0 0 0 27000210 180210 2910 0 0 0 -
row 1.3.6.1.2.1.2.2.1 31 "Port 31" - - 1000000000 hex:0050BA74001F 1 1 3100 31000093 245489 4061 0 1 0 27900217 186217 3007 0 0 0 -
row 1.3.6.1.2.1.2.2.1 32 "Port 32" - - 0 hex:0050BA740020 1 2 3200 32000096 253408 4192 0 2 0 28800224 192224 3104 0 0 0 -
row 1.3.6.1.2.1.2.2.1 33 "Port 33" - - 100000000 hex:0050BA740021 1 1 3300 33000099 261327 4323 0 0 0 29700231 198231 3201 0 0 0 -
row 1.3.6.1.2.1.2.2.1 34 "Port 34" - - 1000000000 hex:0050BA740022 1 1 3400 34000102 269246 4454 0 1 0 30600238 204238 3298 0 0 0 -
row 1.3.6.1.2.1.2.2.1 35 "Port 35" - - 1000000000 hex:0050BA740023 1 1 3500 35000105 277165 4585 0 2 0 31500245 210245 3395 0 0 0 -
row 1.3.6.1.2.1.2.2.1 36 "Port 36" - - 100000000 hex:0050BA740024 1 1 3600 36000108 285084 4716 0 0 0 32400252 216252 3492 0 0 0 -
row 1.3.6.1.2.1.2.2.1 37 "Port 37" - - 1000000000 hex:0050BA740025 1 1 3700 37000111 293003 4847 0 1 0 33300259 222259 3589 0 0 0 -
row 1.3.6.1.2.1.2.2.1 38 "Port 38" - - 1000000000 hex:0050BA740026 1 1 3800 38000114 300922 4978 0 2 0 34200266 228266 3686 0 0 0 -
row 1.3.6.1.2.1.2.2.1 39 "Port 39" - - 100000000 hex:0050BA740027 1 1 3900 39000117 308841 5109 0 0 0 35100273 234273 3783 0 0 0 -
row 1.3.6.1.2.1.2.2.1 40 "Port 40" - - 0 hex:0050BA740028 2 2 4000 40000120 316760 5240 0 1 0 36000280 240280 3880 0 0 0 -
row 1.3.6.1.2.1.2.2.1 41 "Port 41" - - 1000000000 hex:0050BA740029 1 1 4100 41000123 324679 5371 0 2 0 36900287 246287 3977 0 0 0 -
row 1.3.6.1.2.1.2.2.1 42 "Port 42" - - 100000000 hex:0050BA74002A 1 1 4200 42000126 332598 5502 0 0 0 37800294 252294 4074 0 0 0 -
row 1.3.6.1.2.1.2.2.1 43 "Port 43" - - 1000000000 hex:0050BA74002B 1 1 4300 43000129 340517 5633 0 1 0 38700301 258301 4171 0 0 0 -
row 1.3.6.1.2.1.2.2.1 44 "Port 44" - - 1000000000 hex:0050BA74002C 1 1 4400 44000132 348436 5764 0 2 0 39600308 264308 4268 0 0 0 -
row 1.3.6.1.2.1.2.2.1 45 "Port 45" - - 100000000 hex:0050BA74002D 1 1 4500 45000135 356355 5895 0 0 0 40500315 270315 4365 0 0 0 -
row 1.3.6.1.2.1.2.2.1 46 "Port 46" - - 1000000000 hex:0050BA74002E 1 1 4600 46000138 364274 6026 0 1 0 41400322 276322 4462 0 0 0 -
row 1.3.6.1.2.1.2.2.1 47 "Port 47" - - 1000000000 hex:0050BA74002F 1 1 4700 47000141 372193 6157 0 2 0 42300329 282329 4559 0 0 0 -
row 1.3.6.1.2.1.2.2.1 48 "Port 48" - - 0 hex:0050BA740030 1 2 4800 48000144 380112 6288 0 0 0 43200336 288336 4656 0 0 0 -
row 1.3.6.1.2.1.2.2.1 49 "Port 49" - - 1000000000 hex:0050BA740031 1 1 4900 49000147 388031 6419 0 1 0 44100343 294343 4753 0 0 0 -
row 1.3.6.1.2.1.2.2.1 50 "Port 50" - - 0 hex:0050BA740032 1 2 5000 50000150 395950 6550 0 2 0 45000350 300350 4850 0 0 0 -
row 1.3.6.1.2.1.2.2.1 51 "Port 51" - - 1000000000 hex:0050BA740033 1 1 5100 51000153 403869 6681 0 0 0 45900357 306357 4947 0 0 0 -
row 1.3.6.1.2.1.2.2.1 52 "Port 52" - - 100000000 hex:0050BA740034 1 1 5200 52000156 411788 6812 0 1 0 46800364 312364 5044 0 0 0 -

table 1.3.6.1.2.1.31.1.1.1 ifXEntry
column 1.3.6.1.2.1.31.1.1.1 1 ifName DisplayString ro
column 1.3.6.1.2.1.31.1.1.1 2 ifInMulticastPkts Counter32 ro live=grow:3
column 1.3.6.1.2.1.31.1.1.1 3 ifInBroadcastPkts Counter32 ro live=grow:1
column 1.3.6.1.2.1.31.1.1.1 4 ifOutMulticastPkts Counter32 ro live=grow:2
column 1.3.6.1.2.1.31.1.1.1 5 ifOutBroadcastPkts Counter32 ro live=grow:1
column 1.3.6.1.2.1.31.1.1.1 6 ifHCInOctets Counter64 ro live=grow:12500
column 1.3.6.1.2.1.31.1.1.1 7 ifHCInUcastPkts Counter64 ro live=grow:90
column 1.3.6.1.2.1.31.1.1.1 8 ifHCInMulticastPkts Counter64 ro live=grow:3
column 1.3.6.1.2.1.31.1.1.1 9 ifHCInBroadcastPkts Counter64 ro live=grow:1
column 1.3.6.1.2.1.31.1.1.1 10 ifHCOutOctets Counter64 ro live=grow:9800
column 1.3.6.1.2.1.31.1.1.1 11 ifHCOutUcastPkts Counter64 ro live=grow:70
column 1.3.6.1.2.1.31.1.1.1 12 ifHCOutMulticastPkts Counter64 ro live=grow:2
column 1.3.6.1.2.1.31.1.1.1 13 ifHCOutBroadcastPkts Counter64 ro live=grow:1
column 1.3.6.1.2.1.31.1.1.1 14 ifLinkUpDownTrapEnable Integer rw range=1,2 default=1
column 1.3.6.1.2.1.31.1.1.1 15 ifHighSpeed Gauge32 ro
column 1.3.6.1.2.1.31.1.1.1 16 ifPromiscuousMode Integer rw range=1,2 default=2
column 1.3.6.1.2.1.31.1.1.1 17 ifConnectorPresent Integer ro range=1,2 default=1
column 1.3.6.1.2.1.31.1.1.1 18 ifAlias DisplayString rw size=0..64
column 1.3.6.1.2.1.31.1.1.1 19 ifCounterDiscontinuityTime TimeTicks ro
row 1.3.6.1.2.1.31.1.1.1 1 "1/1" 17 5 11 3 5001000003 7919 17 5 4000900007 6007 11 3 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 2 "1/2" 34 10 22 6 5002000006 15838 34 10 4001800014 12014 22 6 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 3 "1/3" 51 15 33 9 5003000009 23757 51 15 4002700021 18021 33 9 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 4 "1/4" 68 20 44 12 5004000012 31676 68 20 4003600028 24028 44 12 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 5 "1/5" 85 25 55 15 5005000015 39595 85 25 4004500035 30035 55 15 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 6 "1/6" 102 30 66 18 5006000018 47514 102 30 4005400042 36042 66 18 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 7 "1/7" 119 35 77 21 5007000021 55433 119 35 4006300049 42049 77 21 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 8 "1/8" 136 40 88 24 5008000024 63352 136 40 4007200056 48056 88 24 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 9 "1/9" 153 45 99 27 5009000027 71271 153 45 4008100063 54063 99 27 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 10 "1/10" 170 50 110 30 5010000030 79190 170 50 4009000070 60070 110 30 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 11 "1/11" 187 55 121 33 5011000033 87109 187 55 4009900077 66077 121 33 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 12 "1/12" 204 60 132 36 5012000036 95028 204 60 4010800084 72084 132 36 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 13 "1/13" 221 65 143 39 5013000039 102947 221 65 4011700091 78091 143 39 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 14 "1/14" 238 70 154 42 5014000042 110866 238 70 4012600098 84098 154 42 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 15 "1/15" 255 75 165 45 5015000045 118785 255 75 4013500105 90105 165 45 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 16 "1/16" 272 80 176 48 5016000048 126704 272 80 4014400112 96112 176 48 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 17 "1/17" 289 85 187 51 5017000051 134623 289 85 4015300119 102119 187 51 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 18 "1/18" 306 90 198 54 5018000054 142542 306 90 4016200126 108126 198 54 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 19 "1/19" 323 95 209 57 5019000057 150461 323 95 4017100133 114133 209 57 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 20 "1/20" 340 100 220 60 5020000060 158380 340 100 4018000140 120140 220 60 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 21 "1/21" 357 105 231 63 5021000063 166299 357 105 4018900147 126147 231 63 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 22 "1/22" 374 110 242 66 5022000066 174218 374 110 4019800154 132154 242 66 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 23 "1/23" 391 115 253 69 5023000069 182137 391 115 4020700161 138161 253 69 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 24 "1/24" 408 120 264 72 5024000072 190056 408 120 4021600168 144168 264 72 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 25 "1/25" 425 125 275 75 5025000075 197975 425 125 4022500175 150175 275 75 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 26 "1/26" 442 130 286 78 5026000078 205894 442 130 4023400182 156182 286 78 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 27 "1/27" 459 135 297 81 5027000081 213813 459 135 4024300189 162189 297 81 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 28 "1/28" 476 140 308 84 5028000084 221732 476 140 4025200196 168196 308 84 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 29 "1/29" 493 145 319 87 5029000087 229651 493 145 4026100203 174203 319 87 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 30 "1/30" 510 150 330 90 5030000090 237570 510 150 4027000210 180210 330 90 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 31 "1/31" 527 155 341 93 5031000093 245489 527 155 4027900217 186217 341 93 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 32 "1/32" 544 160 352 96 5032000096 253408 544 160 4028800224 192224 352 96 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 33 "1/33" 561 165 363 99 5033000099 261327 561 165 4029700231 198231 363 99 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 34 "1/34" 578 170 374 102 5034000102 269246 578 170 4030600238 204238 374 102 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 35 "1/35" 595 175 385 105 5035000105 277165 595 175 4031500245 210245 385 105 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 36 "1/36" 612 180 396 108 5036000108 285084 612 180 4032400252 216252 396 108 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 37 "1/37" 629 185 407 111 5037000111 293003 629 185 4033300259 222259 407 111 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 38 "1/38" 646 190 418 114 5038000114 300922 646 190 4034200266 228266 418 114 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 39 "1/39" 663 195 429 117 5039000117 308841 663 195 4035100273 234273 429 117 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 40 "1/40" 680 200 440 120 5040000120 316760 680 200 4036000280 240280 440 120 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 41 "1/41" 697 205 451 123 5041000123 324679 697 205 4036900287 246287 451 123 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 42 "1/42" 714 210 462 126 5042000126 332598 714 210 4037800294 252294 462 126 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 43 "1/43" 731 215 473 129 5043000129 340517 731 215 4038700301 258301 473 129 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 44 "1/44" 748 220 484 132 5044000132 348436 748 220 4039600308 264308 484 132 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 45 "1/45" 765 225 495 135 5045000135 356355 765 225 4040500315 270315 495 135 - 100 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 46 "1/46" 782 230 506 138 5046000138 364274 782 230 4041400322 276322 506 138 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 47 "1/47" 799 235 517 141 5047000141 372193 799 235 4042300329 282329 517 141 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 48 "1/48" 816 240 528 144 5048000144 380112 816 240 4043200336 288336 528 144 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 49 "1/49" 833 245 539 147 5049000147 388031 833 245 4044100343 294343 539 147 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 50 "1/50" 850 250 550 150 5050000150 395950 850 250 4045000350 300350 550 150 - 0 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 51 "1/51" 867 255 561 153 5051000153 403869 867 255 4045900357 306357 561 153 - 1000 - - "" 0
row 1.3.6.1.2.1.31.1.1.1 52 "1/52" 884 260 572 156 5052000156 411788 884 260 4046800364 312364 572 156 - 100 - - "" 0

# ip (ipInReceives wraps past 2^32 about 30 seconds after start)
object 1.3.6.1.2.1.4.1.0 ipForwarding Integer rw range=1,2 value=2
object 1.3.6.1.2.1.4.2.0 ipDefaultTTL Integer rw range=1..255 value=64
object 1.3.6.1.2.1.4.3.0 ipInReceives Counter32 ro live=grow:40 value=4294966096
object 1.3.6.1.2.1.4.4.0 ipInHdrErrors Counter32 ro value=52
object 1.3.6.1.2.1.4.5.0 ipInAddrErrors Counter32 ro live=grow:2 value=65
object 1.3.6.1.2.1.4.6.0 ipForwDatagrams Counter32 ro live=grow:12 value=78
object 1.3.6.1.2.1.4.7.0 ipInUnknownProtos Counter32 ro value=91
object 1.3.6.1.2.1.4.8.0 ipInDiscards Counter32 ro live=grow:1 value=104
object 1.3.6.1.2.1.4.9.0 ipInDelivers Counter32 ro live=grow:38 value=117
object 1.3.6.1.2.1.4.10.0 ipOutRequests Counter32 ro live=grow:35 value=130
object 1.3.6.1.2.1.4.11.0 ipOutDiscards Counter32 ro value=143
object 1.3.6.1.2.1.4.12.0 ipOutNoRoutes Counter32 ro live=grow:3 value=156
object 1.3.6.1.2.1.4.13.0 ipReasmTimeout Integer ro value=60
object 1.3.6.1.2.1.4.14.0 ipReasmReqds Counter32 ro value=0
object 1.3.6.1.2.1.4.15.0 ipReasmOKs Counter32 ro value=0
object 1.3.6.1.2.1.4.16.0 ipReasmFails Counter32 ro value=0
object 1.3.6.1.2.1.4.17.0 ipFragOKs Counter32 ro value=0
object 1.3.6.1.2.1.4.18.0 ipFragFails Counter32 ro value=0
object 1.3.6.1.2.1.4.19.0 ipFragCreates Counter32 ro value=0
object 1.3.6.1.2.1.4.23.0 ipRoutingDiscards Counter32 ro value=0

# icmp
object 1.3.6.1.2.1.5.1.0 icmpInMsgs Counter32 ro live=grow:6 value=3
object 1.3.6.1.2.1.5.2.0 icmpInErrors Counter32 ro value=6
object 1.3.6.1.2.1.5.3.0 icmpInDestUnreachs Counter32 ro live=grow:2 value=9
object 1.3.6.1.2.1.5.4.0 icmpInTimeExcds Counter32 ro value=12
object 1.3.6.1.2.1.5.5.0 icmpInParmProbs Counter32 ro value=15
object 1.3.6.1.2.1.5.6.0 icmpInSrcQuenchs Counter32 ro value=18
object 1.3.6.1.2.1.5.7.0 icmpInRedirects Counter32 ro value=21
object 1.3.6.1.2.1.5.8.0 icmpInEchos Counter32 ro live=grow:4 value=24
object 1.3.6.1.2.1.5.9.0 icmpInEchoReps Counter32 ro value=27
object 1.3.6.1.2.1.5.10.0 icmpInTimestamps Counter32 ro value=30
object 1.3.6.1.2.1.5.11.0 icmpInTimestampReps Counter32 ro value=33
object 1.3.6.1.2.1.5.12.0 icmpInAddrMasks Counter32 ro value=36
object 1.3.6.1.2.1.5.13.0 icmpInAddrMaskReps Counter32 ro value=39
object 1.3.6.1.2.1.5.14.0 icmpOutMsgs Counter32 ro live=grow:5 value=42
object 1.3.6.1.2.1.5.15.0 icmpOutErrors Counter32 ro value=45
object 1.3.6.1.2.1.5.16.0 icmpOutDestUnreachs Counter32 ro live=grow:1 value=48
object 1.3.6.1.2.1.5.17.0 icmpOutTimeExcds Counter32 ro value=51
object 1.3.6.1.2.1.5.18.0 icmpOutParmProbs Counter32 ro value=54
object 1.3.6.1.2.1.5.19.0 icmpOutSrcQuenchs Counter32 ro value=57
object 1.3.6.1.2.1.5.20.0 icmpOutRedirects Counter32 ro value=60
object 1.3.6.1.2.1.5.21.0 icmpOutEchos Counter32 ro value=63
object 1.3.6.1.2.1.5.22.0 icmpOutEchoReps Counter32 ro live=grow:4 value=66
object 1.3.6.1.2.1.5.23.0 icmpOutTimestamps Counter32 ro value=69
object 1.3.6.1.2.1.5.24.0 icmpOutTimestampReps Counter32 ro value=72
object 1.3.6.1.2.1.5.25.0 icmpOutAddrMasks Counter32 ro value=75
object 1.3.6.1.2.1.5.26.0 icmpOutAddrMaskReps Counter32 ro value=78

# udp
object 1.3.6.1.2.1.7.1.0 udpInDatagrams Counter32 ro live=grow:25 value=101
object 1.3.6.1.2.1.7.2.0 udpNoPorts Counter32 ro live=grow:2 value=202
object 1.3.6.1.2.1.7.3.0 udpInErrors Counter32 ro value=303
object 1.3.6.1.2.1.7.4.0 udpOutDatagrams Counter32 ro live=grow:22 value=404

# snmp: the agent's own message counters
object 1.3.6.1.2.1.11.1.0 snmpInPkts Counter32 ro live=stat:snmpInPkts
object 1.3.6.1.2.1.11.2.0 snmpOutPkts Counter32 ro live=stat:snmpOutPkts
object 1.3.6.1.2.1.11.3.0 snmpInBadVersions Counter32 ro live=stat:snmpInBadVersions
object 1.3.6.1.2.1.11.4.0 snmpInBadCommunityNames Counter32 ro live=stat:snmpInBadCommunityNames
object 1.3.6.1.2.1.11.5.0 snmpInBadCommunityUses Counter32 ro live=stat:snmpInBadCommunityUses
object 1.3.6.1.2.1.11.6.0 snmpInASNParseErrs Counter32 ro live=stat:snmpInASNParseErrs
object 1.3.6.1.2.1.11.8.0 snmpInTooBigs Counter32 ro live=stat:snmpInTooBigs
object 1.3.6.1.2.1.11.9.0 snmpInNoSuchNames Counter32 ro live=stat:snmpInNoSuchNames
object 1.3.6.1.2.1.11.10.0 snmpInBadValues Counter32 ro live=stat:snmpInBadValues
object 1.3.6.1.2.1.11.11.0 snmpInReadOnlys Counter32 ro live=stat:snmpInReadOnlys
object 1.3.6.1.2.1.11.12.0 snmpInGenErrs Counter32 ro live=stat:snmpInGenErrs
object 1.3.6.1.2.1.11.13.0 snmpInTotalReqVars Counter32 ro live=stat:snmpInTotalReqVars
object 1.3.6.1.2.1.11.14.0 snmpInTotalSetVars Counter32 ro live=stat:snmpInTotalSetVars
object 1.3.6.1.2.1.11.15.0 snmpInGetRequests Counter32 ro live=stat:snmpInGetRequests
object 1.3.6.1.2.1.11.16.0 snmpInGetNexts Counter32 ro live=stat:snmpInGetNexts
object 1.3.6.1.2.1.11.17.0 snmpInSetRequests Counter32 ro live=stat:snmpInSetRequests
object 1.3.6.1.2.1.11.18.0 snmpInGetResponses Counter32 ro live=stat:snmpInGetResponses
object 1.3.6.1.2.1.11.19.0 snmpInTraps Counter32 ro live=stat:snmpInTraps
object 1.3.6.1.2.1.11.20.0 snmpOutTooBigs Counter32 ro live=stat:snmpOutTooBigs
object 1.3.6.1.2.1.11.21.0 snmpOutNoSuchNames Counter32 ro live=stat:snmpOutNoSuchNames
object 1.3.6.1.2.1.11.22.0 snmpOutBadValues Counter32 ro live=stat:snmpOutBadValues
object 1.3.6.1.2.1.11.24.0 snmpOutGenErrs Counter32 ro live=stat:snmpOutGenErrs
object 1.3.6.1.2.1.11.25.0 snmpOutGetRequests Counter32 ro live=stat:snmpOutGetRequests
object 1.3.6.1.2.1.11.26.0 snmpOutGetNexts Counter32 ro live=stat:snmpOutGetNexts
object 1.3.6.1.2.1.11.27.0 snmpOutSetRequests Counter32 ro live=stat:snmpOutSetRequests
object 1.3.6.1.2.1.11.28.0 snmpOutGetResponses Counter32 ro live=stat:snmpOutGetResponses
object 1.3.6.1.2.1.11.29.0 snmpOutTraps Counter32 ro live=stat:snmpOutTraps
object 1.3.6.1.2.1.11.30.0 snmpEnableAuthenTraps Integer rw range=1,2 value=2
object 1.3.6.1.2.1.11.31.0 snmpSilentDrops Counter32 ro live=stat:snmpSilentDrops
object 1.3.6.1.2.1.11.32.0 snmpProxyDrops Counter32 ro value=0

# front-panel LED status: power, console, redundant power, then link and speed octets per port;
# port 12 loses and regains its link every 5 seconds
object 1.3.6.1.4.1.171.12.11.1.9.4.1.5.1 ledStatus DisplayString ro live=toggle:25:1:5 value=hex:0102040202020202010202820202010202010202018202020202010202020282010102020202010202820202010202020201018202020202010202020282010202010202010202820202010202020202010102020202010202020282010202020201010204010302030201

# RMON state: 2 disabled, 3 enabled
object 1.3.6.1.4.1.171.11.69.4.2.1.2.3.0 rmonState Integer rw range=2,3 value=3

# device commands: save configuration (3 saves), reboot (2 reboots), reset (1 none, 2 config, 3 system, 4 reset)
object 1.3.6.1.4.1.171.12.1.2.6.0 saveConfig Integer rw range=1..3 value=1
object 1.3.6.1.4.1.171.12.1.2.19.0 reboot Integer rw range=1,2 value=1
object 1.3.6.1.4.1.171.12.1.2.20.0 resetConfig Integer rw range=1..4 value=1

# IP-MAC binding entries: RowStatus column 3 (createAndGo 4 -> active, createAndWait 5 -> notInService, destroy 6)
table 1.3.6.1.4.1.171.12.23.4.1.1 ipMacBindingEntry status=3 create=4:1,5:2 destroy=6
column 1.3.6.1.4.1.171.12.23.4.1.1 1 ipIndex IpAddress ro index
column 1.3.6.1.4.1.171.12.23.4.1.1 2 mac MacAddress rc
column 1.3.6.1.4.1.171.12.23.4.1.1 3 status Integer rc range=1,2,4..6 default=1
column 1.3.6.1.4.1.171.12.23.4.1.1 4 ports Bits rc size=0..8
column 1.3.6.1.4.1.171.12.23.4.1.1 5 action Integer ro range=1,2 default=2
column 1.3.6.1.4.1.171.12.23.4.1.1 6 mode Integer rc range=1..3 default=1
row 1.3.6.1.4.1.171.12.23.4.1.1 10.90.90.10 hex:00112233440A 1 hex:C000000000000000 2 1
row 1.3.6.1.4.1.171.12.23.4.1.1 10.90.90.11 hex:00112233440B 1 hex:0000000000000030 2 2

# IP static routes: valid/invalid style status column 6 (3 valid creates, 2 invalid removes)
table 1.3.6.1.4.1.171.11.69.4.3.2.5.1 ipStaticRouteEntry status=6 create=3 destroy=2
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 1 destination IpAddress ro index
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 2 mask IpAddress ro index
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 3 backupState Integer ro index range=1,2
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 4 nextHop IpAddress rc
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 5 metric Integer rc range=1..65535 default=1
column 1.3.6.1.4.1.171.11.69.4.3.2.5.1 6 status Integer rc range=2,3 default=3
row 1.3.6.1.4.1.171.11.69.4.3.2.5.1 0.0.0.0.0.0.0.0.1 10.90.90.254 1 3

# Time windows, equipment information and IP routing
# clock: capabilities (system time, SNTP, summer time, real-time clock), a running clock that keeps
# a written time and moves it on, reset on reboot false
object 1.3.6.1.4.1.171.12.10.1.0 timeCapacity Bits ro value=hex:F0
object 1.3.6.1.4.1.171.12.10.2.0 currentClock DateAndTime rw live=clock
object 1.3.6.1.4.1.171.12.10.3.0 clockResetOnReboot Integer ro range=1,2 value=2
# summer time: status (0 disable, 1 repeating, 2 annual), offset in minutes; repeating points pack
# week, day (16 bits), month, hour, minute (2nd Sun of Mar 02:00 to last Sun of Oct 03:00); annual
# points pack day, month, hour, minute (26 Mar 02:00 to 29 Oct 03:00)
object 1.3.6.1.4.1.171.12.10.12.1.0 summerTimeStatus Integer rw range=0..2 value=1
object 1.3.6.1.4.1.171.12.10.12.2.0 summerTimeOffset Integer rw range=30,60,90,120 value=60
object 1.3.6.1.4.1.171.12.10.12.3.0 repeatingStart OctetString rw size=6 value=hex:020001030200
object 1.3.6.1.4.1.171.12.10.12.4.0 repeatingEnd OctetString rw size=6 value=hex:0000010A0300
object 1.3.6.1.4.1.171.12.10.12.5.0 annualStart OctetString rw size=4 value=hex:1A030200
object 1.3.6.1.4.1.171.12.10.12.6.0 annualEnd OctetString rw size=4 value=hex:1D0A0300
# equipment: capacity 0x40 (redundant power), stacking version, units supported and present
object 1.3.6.1.4.1.171.12.11.1.1.0 equipmentCapacity Bits ro value=hex:40
object 1.3.6.1.4.1.171.12.11.1.9.1.0 stackingVersion Integer ro value=2
object 1.3.6.1.4.1.171.12.11.1.9.2.0 maxSupportedUnits Integer ro value=8
object 1.3.6.1.4.1.171.12.11.1.9.3.0 numOfUnit Integer ro live=rows:1.3.6.1.4.1.171.12.11.1.9.4.1
# IP routes (type 3 direct, 4 indirect; proto 2 local, 3 netmgmt, 8 rip, 13 ospf, 1 other)
table 1.3.6.1.2.1.4.21.1 ipRouteEntry
column 1.3.6.1.2.1.4.21.1 1 ipRouteDest IpAddress ro index
column 1.3.6.1.2.1.4.21.1 2 ipRouteIfIndex Integer rw
column 1.3.6.1.2.1.4.21.1 3 ipRouteMetric1 Integer rw
column 1.3.6.1.2.1.4.21.1 4 ipRouteMetric2 Integer rw default=-1
column 1.3.6.1.2.1.4.21.1 5 ipRouteMetric3 Integer rw default=-1
column 1.3.6.1.2.1.4.21.1 6 ipRouteMetric4 Integer rw default=-1
column 1.3.6.1.2.1.4.21.1 7 ipRouteNextHop IpAddress rw
column 1.3.6.1.2.1.4.21.1 8 ipRouteType Integer rw range=1..4
column 1.3.6.1.2.1.4.21.1 9 ipRouteProto Integer ro range=1..16
column 1.3.6.1.2.1.4.21.1 10 ipRouteAge Integer rw
column 1.3.6.1.2.1.4.21.1 11 ipRouteMask IpAddress rw
column 1.3.6.1.2.1.4.21.1 12 ipRouteMetric5 Integer rw default=-1
column 1.3.6.1.2.1.4.21.1 13 ipRouteInfo ObjectId ro default=0.0
row 1.3.6.1.2.1.4.21.1 0.0.0.0 1 1 - - - 10.90.90.254 4 3 3600 0.0.0.0 - -
row 1.3.6.1.2.1.4.21.1 10.90.90.0 1 0 - - - 10.90.90.90 3 2 0 255.255.255.0 - -
row 1.3.6.1.2.1.4.21.1 172.16.0.0 2 2 - - - 10.90.90.1 4 8 25 255.255.0.0 - -
row 1.3.6.1.2.1.4.21.1 192.168.10.0 3 20 5 - - 10.90.90.2 4 13 120 255.255.255.0 - 1.3.6.1.2.1.14
row 1.3.6.1.2.1.4.21.1 192.168.30.0 1 5 - - - 10.90.90.3 4 1 600 255.255.255.0 - -

# bridge port counters (TTpBridgePortInfo_Table): frames grow faster port by port, discards stay put
table 1.3.6.1.2.1.17.4.4.1 dot1dTpPortEntry
column 1.3.6.1.2.1.17.4.4.1 1 dot1dTpPort Integer ro range=1..65535 index
column 1.3.6.1.2.1.17.4.4.1 2 dot1dTpPortMaxInfo Integer ro default=1500
column 1.3.6.1.2.1.17.4.4.1 3 dot1dTpPortInFrames Counter32 ro live=grow:40:7
column 1.3.6.1.2.1.17.4.4.1 4 dot1dTpPortOutFrames Counter32 ro live=grow:30:5
column 1.3.6.1.2.1.17.4.4.1 5 dot1dTpPortInDiscards Counter32 ro
row 1.3.6.1.2.1.17.4.4.1 1 - 100003 90007 0
row 1.3.6.1.2.1.17.4.4.1 2 - 200006 180014 0
row 1.3.6.1.2.1.17.4.4.1 3 - 300009 270021 0
row 1.3.6.1.2.1.17.4.4.1 4 - 400012 360028 68
row 1.3.6.1.2.1.17.4.4.1 5 - 500015 450035 0
row 1.3.6.1.2.1.17.4.4.1 6 - 600018 540042 0
row 1.3.6.1.2.1.17.4.4.1 7 - 700021 630049 0
row 1.3.6.1.2.1.17.4.4.1 8 - 800024 720056 136
row 1.3.6.1.2.1.17.4.4.1 9 - 900027 810063 0
row 1.3.6.1.2.1.17.4.4.1 10 - 1000030 900070 0
row 1.3.6.1.2.1.17.4.4.1 11 - 1100033 990077 0
row 1.3.6.1.2.1.17.4.4.1 12 - 1200036 1080084 204
row 1.3.6.1.2.1.17.4.4.1 13 - 1300039 1170091 0
row 1.3.6.1.2.1.17.4.4.1 14 - 1400042 1260098 0
row 1.3.6.1.2.1.17.4.4.1 15 - 1500045 1350105 0
row 1.3.6.1.2.1.17.4.4.1 16 - 1600048 1440112 272
row 1.3.6.1.2.1.17.4.4.1 17 - 1700051 1530119 0
row 1.3.6.1.2.1.17.4.4.1 18 - 1800054 1620126 0
row 1.3.6.1.2.1.17.4.4.1 19 - 1900057 1710133 0
row 1.3.6.1.2.1.17.4.4.1 20 - 2000060 1800140 340
row 1.3.6.1.2.1.17.4.4.1 21 - 2100063 1890147 0
row 1.3.6.1.2.1.17.4.4.1 22 - 2200066 1980154 0
row 1.3.6.1.2.1.17.4.4.1 23 - 2300069 2070161 0
row 1.3.6.1.2.1.17.4.4.1 24 - 2400072 2160168 408
row 1.3.6.1.2.1.17.4.4.1 25 - 2500075 2250175 0
row 1.3.6.1.2.1.17.4.4.1 26 - 2600078 2340182 0
row 1.3.6.1.2.1.17.4.4.1 27 - 2700081 2430189 0
row 1.3.6.1.2.1.17.4.4.1 28 - 2800084 2520196 476
row 1.3.6.1.2.1.17.4.4.1 29 - 2900087 2610203 0
row 1.3.6.1.2.1.17.4.4.1 30 - 3000090 2700210 0
row 1.3.6.1.2.1.17.4.4.1 31 - 3100093 2790217 0
row 1.3.6.1.2.1.17.4.4.1 32 - 3200096 2880224 544
row 1.3.6.1.2.1.17.4.4.1 33 - 3300099 2970231 0
row 1.3.6.1.2.1.17.4.4.1 34 - 3400102 3060238 0
row 1.3.6.1.2.1.17.4.4.1 35 - 3500105 3150245 0
row 1.3.6.1.2.1.17.4.4.1 36 - 3600108 3240252 612
row 1.3.6.1.2.1.17.4.4.1 37 - 3700111 3330259 0
row 1.3.6.1.2.1.17.4.4.1 38 - 3800114 3420266 0
row 1.3.6.1.2.1.17.4.4.1 39 - 3900117 3510273 0
row 1.3.6.1.2.1.17.4.4.1 40 - 4000120 3600280 680
row 1.3.6.1.2.1.17.4.4.1 41 - 4100123 3690287 0
row 1.3.6.1.2.1.17.4.4.1 42 - 4200126 3780294 0
row 1.3.6.1.2.1.17.4.4.1 43 - 4300129 3870301 0
row 1.3.6.1.2.1.17.4.4.1 44 - 4400132 3960308 748
row 1.3.6.1.2.1.17.4.4.1 45 - 4500135 4050315 0
row 1.3.6.1.2.1.17.4.4.1 46 - 4600138 4140322 0
row 1.3.6.1.2.1.17.4.4.1 47 - 4700141 4230329 0
row 1.3.6.1.2.1.17.4.4.1 48 - 4800144 4320336 816
row 1.3.6.1.2.1.17.4.4.1 49 - 4900147 4410343 0
row 1.3.6.1.2.1.17.4.4.1 50 - 5000150 4500350 0
row 1.3.6.1.2.1.17.4.4.1 51 - 5100153 4590357 0
row 1.3.6.1.2.1.17.4.4.1 52 - 5200156 4680364 884

# Layer2 Management: device information and control; ports agree with the front panel (links down
# on 8, 16, 24, 32, 40, 48 and 50, 100 Mbit/s on every third port and 52; combo ports 49 to 52 with
# copper and fibre media, 49 linked on fibre); port 16 shut down by storm control, port 40 by
# loopback detection; two trunks; QoS with eight classes; IGMP and MLD snooping groups on VLANs 1
# and 10; multicast filter profiles. Port lists are 7 octets, port 1 the highest bit of the first.
object 1.3.6.1.4.1.171.11.69.4.2.1.1.1.0 devInfoSysUpTime TimeTicks ro live=uptime
object 1.3.6.1.4.1.171.11.69.4.2.1.1.2.0 devInfoTotalPorts Integer ro value=52
object 1.3.6.1.4.1.171.11.69.4.2.1.1.3.0 devInfoPortsInUse Integer ro value=45
object 1.3.6.1.4.1.171.11.69.4.2.1.1.4.0 devInfoConsoleInUse Integer ro range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.2.1.1.5.0 devInfoModuleType DisplayString ro value="48 x 1000BASE-T, 4 x combo 1000BASE-T/SFP"
object 1.3.6.1.4.1.171.11.69.4.2.1.1.6.0 devInfoFrontPanelLedMode Integer ro range=1,2 value=1
table 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 powerEntry
column 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 1 powerUnitIndex Integer na index
column 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 2 powerId Integer na index
column 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 3 powerStatus Integer ro range=1..6
row 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 1.1 3
row 1.3.6.1.4.1.171.11.69.4.2.1.1.8.1 1.2 6
object 1.3.6.1.4.1.171.11.69.4.2.1.2.1.0 stpState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.2.1.2.2.0 igmpSnoopingState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.2.1.2.4.0 clearAllCounters Integer rw range=1,2 value=1
object 1.3.6.1.4.1.171.11.69.4.2.1.2.5.0 fdbVlanId Integer rw range=1..4094 value=1
object 1.3.6.1.4.1.171.11.69.4.2.1.2.6.0 macNotifyState Integer rw range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.2.1.2.7.0 macNotifyHistorySize Integer rw range=1..500 value=1
object 1.3.6.1.4.1.171.11.69.4.2.1.2.8.0 macNotifyInterval Integer rw range=1..2147483647 value=1
object 1.3.6.1.4.1.171.11.69.4.2.1.2.10.1.0 telnetState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.2.1.2.10.2.0 telnetPort Integer rw range=1..65535 value=23
object 1.3.6.1.4.1.171.11.69.4.2.4.3.0 jumboFrame Integer rw range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.2.1.3.1.0 alarmNewRoot Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.2.1.3.2.0 alarmTopologyChange Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.2.1.3.3.0 alarmLinkChange Integer rw range=2,3 value=3
table 1.3.6.1.4.1.171.11.69.4.2.4.4.1 portInfoEntry
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 1 portInfoPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 2 portInfoMedium Integer na range=1,2 index
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 3 portInfoUnit Integer ro
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 4 portInfoType Integer ro range=1..25
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 5 portInfoLinkStatus Integer ro range=1..3
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 6 portInfoNwayStatus Integer ro range=0..9
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 7 portInfoModuleType Integer ro range=0..26
column 1.3.6.1.4.1.171.11.69.4.2.4.4.1 8 portInfoErrorDisabled Integer ro range=0..3
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 1.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 2.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 3.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 4.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 5.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 6.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 7.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 8.1 1 4 3 2 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 9.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 10.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 11.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 12.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 13.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 14.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 15.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 16.1 1 4 3 2 0 1
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 17.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 18.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 19.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 20.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 21.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 22.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 23.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 24.1 1 4 3 2 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 25.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 26.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 27.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 28.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 29.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 30.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 31.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 32.1 1 4 3 2 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 33.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 34.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 35.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 36.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 37.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 38.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 39.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 40.1 1 4 3 2 0 2
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 41.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 42.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 43.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 44.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 45.1 1 4 2 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 46.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 47.1 1 4 2 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 48.1 1 4 3 2 0 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 49.1 1 11 3 2 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 49.2 1 13 2 8 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 50.1 1 11 3 2 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 50.2 1 16 3 2 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 51.1 1 11 2 8 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 51.2 1 16 3 2 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 52.1 1 11 2 6 1 0
row 1.3.6.1.4.1.171.11.69.4.2.4.4.1 52.2 1 16 3 2 1 0
table 1.3.6.1.4.1.171.11.69.4.2.4.5.1 portCtrlEntry
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 1 portCtrlPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 2 portCtrlMedium Integer na range=1,2 index
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 3 portCtrlUnit Integer ro
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 4 portCtrlAdminState Integer rw range=2,3
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 5 portCtrlNwayState Integer rw range=2..10
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 6 portCtrlFlowControl Integer rw range=2,3
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 7 portCtrlLearning Integer rw range=2,3
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 8 portCtrlMacNotify Integer rw range=2,3
column 1.3.6.1.4.1.171.11.69.4.2.4.5.1 9 portCtrlMulticastFilter Integer rw range=1..3
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 1.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 2.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 3.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 4.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 5.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 6.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 7.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 8.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 9.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 10.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 11.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 12.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 13.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 14.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 15.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 16.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 17.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 18.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 19.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 20.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 21.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 22.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 23.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 24.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 25.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 26.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 27.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 28.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 29.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 30.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 31.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 32.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 33.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 34.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 35.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 36.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 37.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 38.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 39.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 40.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 41.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 42.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 43.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 44.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 45.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 46.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 47.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 48.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 49.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 49.2 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 50.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 50.2 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 51.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 51.2 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 52.1 1 3 2 2 3 2 2
row 1.3.6.1.4.1.171.11.69.4.2.4.5.1 52.2 1 3 2 2 3 2 2
object 1.3.6.1.4.1.171.11.69.4.2.8.1.0 trunkMaxEntries Integer ro value=32
object 1.3.6.1.4.1.171.11.69.4.2.8.2.0 trunkCurrentEntries Integer ro live=rows:1.3.6.1.4.1.171.11.69.4.2.8.3.1
object 1.3.6.1.4.1.171.11.69.4.2.8.4.0 trunkAlgorithm Integer rw range=2..7 value=4
table 1.3.6.1.4.1.171.11.69.4.2.8.3.1 trunkEntry status=7 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 1 trunkIndex Integer na index
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 2 trunkName DisplayString rc size=0..12 default=""
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 3 trunkMasterPort Integer rc range=1..52 default=1
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 4 trunkMember Bits rc size=0..8 default=hex:00000000000000
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 5 trunkFloodingPort Integer ro default=0
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 6 trunkType Integer rc range=2,3 default=2
column 1.3.6.1.4.1.171.11.69.4.2.8.3.1 7 trunkState Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.2.8.3.1 1 "uplink-core" 49 hex:000000000000A0 49 3 1
row 1.3.6.1.4.1.171.11.69.4.2.8.3.1 2 "server-bond" 17 hex:0000F000000000 17 2 1
object 1.3.6.1.4.1.171.11.69.4.2.9.1.0 mirrorTargetPort Integer rw range=1..52 value=47
object 1.3.6.1.4.1.171.11.69.4.2.9.2.0 mirrorSourceIngress OctetString rw size=0..8 value=hex:C0000000000000
object 1.3.6.1.4.1.171.11.69.4.2.9.3.0 mirrorSourceEgress OctetString rw size=0..8 value=hex:80000000000000
object 1.3.6.1.4.1.171.11.69.4.2.9.4.0 mirrorState Integer rw range=2,3 value=3
table 1.3.6.1.4.1.171.11.69.4.2.14.1.1 portSecEntry
column 1.3.6.1.4.1.171.11.69.4.2.14.1.1 1 portSecPort Integer ro range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.14.1.1 2 portSecMaxLearnAddr Integer rw range=0..16
column 1.3.6.1.4.1.171.11.69.4.2.14.1.1 3 portSecMode Integer rw range=2..4
column 1.3.6.1.4.1.171.11.69.4.2.14.1.1 4 portSecAdminState Integer rw range=2,3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 1 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 2 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 3 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 4 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 5 4 2 2
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 6 4 2 2
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 7 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 8 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 9 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 10 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 11 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 12 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 13 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 14 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 15 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 16 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 17 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 18 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 19 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 20 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 21 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 22 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 23 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 24 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 25 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 26 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 27 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 28 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 29 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 30 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 31 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 32 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 33 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 34 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 35 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 36 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 37 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 38 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 39 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 40 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 41 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 42 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 43 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 44 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 45 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 46 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 47 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 48 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 49 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 50 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 51 1 4 3
row 1.3.6.1.4.1.171.11.69.4.2.14.1.1 52 1 4 3
object 1.3.6.1.4.1.171.11.69.4.2.14.2.0 portSecTrapLogState Integer rw range=2,3 value=3
table 1.3.6.1.4.1.171.11.69.4.2.6.1.1 bandwidthEntry
column 1.3.6.1.4.1.171.11.69.4.2.6.1.1 1 bandwidthPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.6.1.1 2 bandwidthRxRate Integer rw range=0..1000000
column 1.3.6.1.4.1.171.11.69.4.2.6.1.1 3 bandwidthTxRate Integer rw range=0..1000000
column 1.3.6.1.4.1.171.11.69.4.2.6.1.1 4 bandwidthRadiusRxRate Integer ro
column 1.3.6.1.4.1.171.11.69.4.2.6.1.1 5 bandwidthRadiusTxRate Integer ro
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 1 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 2 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 3 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 4 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 5 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 6 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 7 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 8 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 9 102400 51200 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 10 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 11 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 12 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 13 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 14 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 15 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 16 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 17 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 18 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 19 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 20 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 21 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 22 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 23 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 24 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 25 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 26 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 27 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 28 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 29 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 30 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 31 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 32 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 33 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 34 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 35 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 36 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 37 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 38 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 39 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 40 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 41 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 42 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 43 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 44 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 45 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 46 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 47 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 48 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 49 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 50 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 51 1000000 1000000 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.1.1 52 1000000 1000000 0 0
table 1.3.6.1.4.1.171.11.69.4.2.6.2.1 schedulingEntry
column 1.3.6.1.4.1.171.11.69.4.2.6.2.1 1 schedulingClass Integer na range=0..7 index
column 1.3.6.1.4.1.171.11.69.4.2.6.2.1 2 schedulingMaxPackets Integer rw range=0..15
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 0 1
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 1 2
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 2 3
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 3 4
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 4 5
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 5 6
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 6 7
row 1.3.6.1.4.1.171.11.69.4.2.6.2.1 7 8
table 1.3.6.1.4.1.171.11.69.4.2.6.3.1 userPriorityEntry
column 1.3.6.1.4.1.171.11.69.4.2.6.3.1 1 userPriority Integer na range=0..7 index
column 1.3.6.1.4.1.171.11.69.4.2.6.3.1 2 userPriorityClass Integer rw range=0..7
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 0 2
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 1 0
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 2 1
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 3 3
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 4 4
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 5 5
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 6 6
row 1.3.6.1.4.1.171.11.69.4.2.6.3.1 7 7
table 1.3.6.1.4.1.171.11.69.4.2.6.4.1 defaultPriorityEntry
column 1.3.6.1.4.1.171.11.69.4.2.6.4.1 1 defaultPriorityPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.6.4.1 2 defaultPriority Integer rw range=0..7
column 1.3.6.1.4.1.171.11.69.4.2.6.4.1 3 defaultPriorityRadius Integer ro
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 1 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 2 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 3 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 4 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 5 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 6 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 7 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 8 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 9 5 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 10 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 11 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 12 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 13 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 14 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 15 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 16 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 17 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 18 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 19 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 20 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 21 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 22 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 23 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 24 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 25 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 26 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 27 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 28 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 29 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 30 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 31 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 32 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 33 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 34 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 35 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 36 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 37 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 38 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 39 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 40 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 41 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 42 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 43 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 44 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 45 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 46 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 47 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 48 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 49 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 50 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 51 0 0
row 1.3.6.1.4.1.171.11.69.4.2.6.4.1 52 0 0
object 1.3.6.1.4.1.171.12.31.1.1.0 wredState Integer rw range=2,3 value=2
table 1.3.6.1.4.1.171.12.31.3.1.1 wredAverageTimeEntry
column 1.3.6.1.4.1.171.12.31.3.1.1 1 wredAvgPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.12.31.3.1.1 2 wredAvgTime Integer rw range=1..15
row 1.3.6.1.4.1.171.12.31.3.1.1 1 9
row 1.3.6.1.4.1.171.12.31.3.1.1 2 9
row 1.3.6.1.4.1.171.12.31.3.1.1 3 9
row 1.3.6.1.4.1.171.12.31.3.1.1 4 9
row 1.3.6.1.4.1.171.12.31.3.1.1 5 9
row 1.3.6.1.4.1.171.12.31.3.1.1 6 9
row 1.3.6.1.4.1.171.12.31.3.1.1 7 9
row 1.3.6.1.4.1.171.12.31.3.1.1 8 9
row 1.3.6.1.4.1.171.12.31.3.1.1 9 9
row 1.3.6.1.4.1.171.12.31.3.1.1 10 9
row 1.3.6.1.4.1.171.12.31.3.1.1 11 9
row 1.3.6.1.4.1.171.12.31.3.1.1 12 9
row 1.3.6.1.4.1.171.12.31.3.1.1 13 9
row 1.3.6.1.4.1.171.12.31.3.1.1 14 9
row 1.3.6.1.4.1.171.12.31.3.1.1 15 9
row 1.3.6.1.4.1.171.12.31.3.1.1 16 9
row 1.3.6.1.4.1.171.12.31.3.1.1 17 9
row 1.3.6.1.4.1.171.12.31.3.1.1 18 9
row 1.3.6.1.4.1.171.12.31.3.1.1 19 9
row 1.3.6.1.4.1.171.12.31.3.1.1 20 9
row 1.3.6.1.4.1.171.12.31.3.1.1 21 9
row 1.3.6.1.4.1.171.12.31.3.1.1 22 9
row 1.3.6.1.4.1.171.12.31.3.1.1 23 9
row 1.3.6.1.4.1.171.12.31.3.1.1 24 9
row 1.3.6.1.4.1.171.12.31.3.1.1 25 9
row 1.3.6.1.4.1.171.12.31.3.1.1 26 9
row 1.3.6.1.4.1.171.12.31.3.1.1 27 9
row 1.3.6.1.4.1.171.12.31.3.1.1 28 9
row 1.3.6.1.4.1.171.12.31.3.1.1 29 9
row 1.3.6.1.4.1.171.12.31.3.1.1 30 9
row 1.3.6.1.4.1.171.12.31.3.1.1 31 9
row 1.3.6.1.4.1.171.12.31.3.1.1 32 9
row 1.3.6.1.4.1.171.12.31.3.1.1 33 9
row 1.3.6.1.4.1.171.12.31.3.1.1 34 9
row 1.3.6.1.4.1.171.12.31.3.1.1 35 9
row 1.3.6.1.4.1.171.12.31.3.1.1 36 9
row 1.3.6.1.4.1.171.12.31.3.1.1 37 9
row 1.3.6.1.4.1.171.12.31.3.1.1 38 9
row 1.3.6.1.4.1.171.12.31.3.1.1 39 9
row 1.3.6.1.4.1.171.12.31.3.1.1 40 9
row 1.3.6.1.4.1.171.12.31.3.1.1 41 9
row 1.3.6.1.4.1.171.12.31.3.1.1 42 9
row 1.3.6.1.4.1.171.12.31.3.1.1 43 9
row 1.3.6.1.4.1.171.12.31.3.1.1 44 9
row 1.3.6.1.4.1.171.12.31.3.1.1 45 9
row 1.3.6.1.4.1.171.12.31.3.1.1 46 9
row 1.3.6.1.4.1.171.12.31.3.1.1 47 9
row 1.3.6.1.4.1.171.12.31.3.1.1 48 9
row 1.3.6.1.4.1.171.12.31.3.1.1 49 9
row 1.3.6.1.4.1.171.12.31.3.1.1 50 9
row 1.3.6.1.4.1.171.12.31.3.1.1 51 9
row 1.3.6.1.4.1.171.12.31.3.1.1 52 9
table 1.3.6.1.4.1.171.12.31.3.2.1 wredControlEntry
column 1.3.6.1.4.1.171.12.31.3.2.1 1 wredCtrlPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.12.31.3.2.1 2 wredCtrlClass Integer na range=0..7 index
column 1.3.6.1.4.1.171.12.31.3.2.1 3 wredCtrlDropStart Integer rw range=0..100
column 1.3.6.1.4.1.171.12.31.3.2.1 4 wredCtrlDropSlope Integer rw range=0..90
row 1.3.6.1.4.1.171.12.31.3.2.1 1.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 1.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 1.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 1.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 1.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 1.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 1.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 1.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 2.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 2.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 2.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 2.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 2.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 2.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 2.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 2.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 3.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 3.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 3.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 3.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 3.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 3.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 3.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 3.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 4.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 4.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 4.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 4.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 4.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 4.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 4.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 4.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 5.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 5.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 5.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 5.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 5.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 5.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 5.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 5.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 6.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 6.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 6.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 6.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 6.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 6.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 6.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 6.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 7.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 7.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 7.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 7.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 7.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 7.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 7.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 7.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 8.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 8.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 8.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 8.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 8.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 8.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 8.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 8.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 9.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 9.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 9.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 9.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 9.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 9.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 9.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 9.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 10.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 10.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 10.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 10.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 10.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 10.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 10.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 10.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 11.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 11.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 11.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 11.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 11.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 11.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 11.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 11.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 12.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 12.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 12.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 12.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 12.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 12.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 12.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 12.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 13.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 13.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 13.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 13.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 13.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 13.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 13.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 13.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 14.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 14.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 14.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 14.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 14.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 14.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 14.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 14.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 15.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 15.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 15.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 15.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 15.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 15.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 15.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 15.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 16.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 16.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 16.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 16.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 16.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 16.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 16.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 16.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 17.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 17.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 17.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 17.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 17.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 17.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 17.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 17.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 18.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 18.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 18.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 18.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 18.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 18.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 18.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 18.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 19.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 19.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 19.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 19.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 19.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 19.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 19.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 19.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 20.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 20.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 20.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 20.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 20.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 20.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 20.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 20.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 21.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 21.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 21.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 21.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 21.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 21.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 21.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 21.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 22.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 22.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 22.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 22.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 22.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 22.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 22.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 22.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 23.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 23.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 23.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 23.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 23.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 23.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 23.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 23.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 24.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 24.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 24.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 24.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 24.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 24.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 24.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 24.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 25.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 25.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 25.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 25.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 25.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 25.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 25.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 25.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 26.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 26.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 26.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 26.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 26.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 26.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 26.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 26.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 27.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 27.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 27.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 27.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 27.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 27.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 27.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 27.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 28.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 28.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 28.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 28.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 28.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 28.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 28.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 28.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 29.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 29.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 29.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 29.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 29.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 29.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 29.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 29.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 30.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 30.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 30.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 30.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 30.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 30.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 30.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 30.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 31.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 31.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 31.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 31.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 31.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 31.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 31.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 31.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 32.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 32.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 32.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 32.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 32.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 32.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 32.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 32.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 33.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 33.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 33.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 33.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 33.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 33.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 33.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 33.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 34.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 34.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 34.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 34.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 34.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 34.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 34.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 34.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 35.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 35.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 35.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 35.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 35.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 35.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 35.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 35.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 36.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 36.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 36.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 36.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 36.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 36.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 36.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 36.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 37.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 37.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 37.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 37.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 37.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 37.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 37.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 37.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 38.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 38.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 38.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 38.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 38.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 38.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 38.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 38.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 39.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 39.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 39.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 39.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 39.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 39.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 39.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 39.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 40.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 40.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 40.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 40.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 40.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 40.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 40.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 40.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 41.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 41.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 41.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 41.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 41.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 41.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 41.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 41.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 42.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 42.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 42.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 42.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 42.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 42.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 42.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 42.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 43.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 43.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 43.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 43.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 43.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 43.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 43.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 43.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 44.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 44.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 44.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 44.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 44.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 44.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 44.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 44.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 45.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 45.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 45.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 45.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 45.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 45.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 45.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 45.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 46.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 46.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 46.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 46.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 46.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 46.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 46.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 46.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 47.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 47.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 47.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 47.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 47.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 47.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 47.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 47.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 48.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 48.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 48.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 48.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 48.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 48.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 48.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 48.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 49.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 49.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 49.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 49.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 49.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 49.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 49.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 49.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 50.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 50.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 50.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 50.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 50.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 50.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 50.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 50.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 51.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 51.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 51.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 51.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 51.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 51.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 51.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 51.7 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 52.0 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 52.1 60 45
row 1.3.6.1.4.1.171.12.31.3.2.1 52.2 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 52.3 65 40
row 1.3.6.1.4.1.171.12.31.3.2.1 52.4 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 52.5 70 35
row 1.3.6.1.4.1.171.12.31.3.2.1 52.6 75 30
row 1.3.6.1.4.1.171.12.31.3.2.1 52.7 75 30
object 1.3.6.1.4.1.171.12.31.3.3.0 wredAllPortAverageTime Integer rw range=1..15 value=9
object 1.3.6.1.4.1.171.11.69.4.2.10.1.0 igmpMaxSupportedVlans Integer ro value=64
table 1.3.6.1.4.1.171.11.69.4.2.10.3.1 igmpCtrlEntry
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 1 igmpCtrlVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 2 igmpQueryInterval Integer rw range=1..65535
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 3 igmpMaxResponse Integer rw range=1..25
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 4 igmpRobustness Integer rw range=1..255
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 5 igmpLastMemberInterval Integer rw range=1..25
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 6 igmpHostTimeout Integer rw range=1..16711450
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 7 igmpRouteTimeout Integer rw range=1..16711450
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 8 igmpLeaveTimer Integer rw range=0..16711450
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 9 igmpQueryState Integer rw range=1..3
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 10 igmpCurrentState Integer ro range=1..3
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 11 igmpCtrlState Integer rw range=1..3
column 1.3.6.1.4.1.171.11.69.4.2.10.3.1 12 igmpFastLeave Integer rw range=1..3
row 1.3.6.1.4.1.171.11.69.4.2.10.3.1 1 125 10 2 1 260 260 2 3 2 3 2
row 1.3.6.1.4.1.171.11.69.4.2.10.3.1 10 125 10 2 1 260 260 2 2 3 3 3
row 1.3.6.1.4.1.171.11.69.4.2.10.3.1 20 125 10 2 1 260 260 2 2 3 2 2
table 1.3.6.1.4.1.171.11.69.4.2.10.4.1 igmpQueryEntry
column 1.3.6.1.4.1.171.11.69.4.2.10.4.1 1 igmpQueryVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.11.69.4.2.10.4.1 2 igmpQueryCount Integer ro
column 1.3.6.1.4.1.171.11.69.4.2.10.4.1 3 igmpTxQueryCount Integer ro
row 1.3.6.1.4.1.171.11.69.4.2.10.4.1 1 212 214
row 1.3.6.1.4.1.171.11.69.4.2.10.4.1 10 145 0
row 1.3.6.1.4.1.171.11.69.4.2.10.4.1 20 0 0
table 1.3.6.1.4.1.171.11.69.4.2.10.5.1 igmpGroupEntry
column 1.3.6.1.4.1.171.11.69.4.2.10.5.1 1 igmpGroupVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.11.69.4.2.10.5.1 2 igmpGroupAddress IpAddress na index
column 1.3.6.1.4.1.171.11.69.4.2.10.5.1 3 igmpGroupMac MacAddress ro
column 1.3.6.1.4.1.171.11.69.4.2.10.5.1 4 igmpGroupPorts Bits ro
column 1.3.6.1.4.1.171.11.69.4.2.10.5.1 5 igmpGroupReports Integer ro
row 1.3.6.1.4.1.171.11.69.4.2.10.5.1 1.239.1.1.1 hex:01005E010101 hex:4A000000000000 57
row 1.3.6.1.4.1.171.11.69.4.2.10.5.1 1.239.255.255.250 hex:01005E7FFFFA hex:20380000000000 230
row 1.3.6.1.4.1.171.11.69.4.2.10.5.1 10.239.10.0.5 hex:01005E0A0005 hex:0000C000000000 12
table 1.3.6.1.4.1.171.11.69.4.2.10.6.1 igmpMulticastVlanEntry status=5 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.2.10.6.1 1 igmpMvlanId Integer na range=1..4094 index
column 1.3.6.1.4.1.171.11.69.4.2.10.6.1 2 igmpMvlanName DisplayString rc size=0..32 default=""
column 1.3.6.1.4.1.171.11.69.4.2.10.6.1 3 igmpMvlanSourcePorts Bits rc size=0..8 default=hex:00000000000000
column 1.3.6.1.4.1.171.11.69.4.2.10.6.1 4 igmpMvlanMemberPorts Bits rc size=0..8 default=hex:00000000000000
column 1.3.6.1.4.1.171.11.69.4.2.10.6.1 5 igmpMvlanStatus Integer rc range=1,2,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.2.10.6.1 100 "iptv" hex:00000000000080 hex:FFFFFF00000000 1
table 1.3.6.1.4.1.171.11.69.4.2.10.7.1 igmpRouterPortEntry
column 1.3.6.1.4.1.171.11.69.4.2.10.7.1 1 igmpRouterVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.11.69.4.2.10.7.1 2 igmpRouterVlanName DisplayString ro
column 1.3.6.1.4.1.171.11.69.4.2.10.7.1 3 igmpRouterStaticPorts Bits rw size=0..8
column 1.3.6.1.4.1.171.11.69.4.2.10.7.1 4 igmpRouterDynamicPorts Bits ro
column 1.3.6.1.4.1.171.11.69.4.2.10.7.1 5 igmpRouterForbiddenPorts Bits rw size=0..8
row 1.3.6.1.4.1.171.11.69.4.2.10.7.1 1 "default" hex:00000000000080 hex:00000000000020 hex:00000000000000
row 1.3.6.1.4.1.171.11.69.4.2.10.7.1 10 "voice" hex:00000000000080 hex:00000000000000 hex:F0000000000000
row 1.3.6.1.4.1.171.11.69.4.2.10.7.1 20 "servers" hex:00000000000000 hex:00000000000000 hex:00000000000000
table 1.3.6.1.4.1.171.11.69.4.2.13.1.1 segmentationEntry
column 1.3.6.1.4.1.171.11.69.4.2.13.1.1 1 segmentationPort Integer ro range=1..52 index
column 1.3.6.1.4.1.171.11.69.4.2.13.1.1 2 segmentationForwardPorts OctetString rw size=0..8
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 1 hex:000000000000A0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 2 hex:000000000000A0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 3 hex:000000000000A0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 4 hex:000000000000A0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 5 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 6 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 7 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 8 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 9 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 10 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 11 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 12 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 13 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 14 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 15 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 16 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 17 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 18 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 19 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 20 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 21 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 22 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 23 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 24 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 25 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 26 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 27 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 28 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 29 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 30 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 31 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 32 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 33 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 34 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 35 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 36 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 37 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 38 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 39 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 40 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 41 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 42 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 43 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 44 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 45 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 46 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 47 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 48 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 49 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 50 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 51 hex:FFFFFFFFFFFFF0
row 1.3.6.1.4.1.171.11.69.4.2.13.1.1 52 hex:FFFFFFFFFFFFF0
table 1.3.6.1.4.1.171.12.53.1.1 mcastProfileEntry status=3 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.53.1.1 1 mcastProfileIndex Integer na index
column 1.3.6.1.4.1.171.12.53.1.1 2 mcastProfileDescription DisplayString rc size=0..32 default=""
column 1.3.6.1.4.1.171.12.53.1.1 3 mcastProfileStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.53.1.1 1 "iptv-channels" 1
row 1.3.6.1.4.1.171.12.53.1.1 2 "block-ssdp" 1
table 1.3.6.1.4.1.171.12.53.2.1 mcastProfileRangeEntry status=4 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.53.2.1 1 mcastRangeProfile Integer na index
column 1.3.6.1.4.1.171.12.53.2.1 2 mcastRangeStart IpAddress na index
column 1.3.6.1.4.1.171.12.53.2.1 3 mcastRangeEnd IpAddress ro index
column 1.3.6.1.4.1.171.12.53.2.1 4 mcastRangeStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.53.2.1 1.239.1.1.1.239.1.1.254 1
row 1.3.6.1.4.1.171.12.53.2.1 2.239.255.255.250.239.255.255.250 1
table 1.3.6.1.4.1.171.12.53.3.1 mcastPortGroupEntry status=3 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.53.3.1 1 mcastPortGroupPort Integer na index
column 1.3.6.1.4.1.171.12.53.3.1 2 mcastPortGroupProfile Integer na index
column 1.3.6.1.4.1.171.12.53.3.1 3 mcastPortGroupStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.53.3.1 1.1 1
row 1.3.6.1.4.1.171.12.53.3.1 2.1 1
row 1.3.6.1.4.1.171.12.53.3.1 3.1 1
row 1.3.6.1.4.1.171.12.53.3.1 4.1 1
row 1.3.6.1.4.1.171.12.53.3.1 13.2 1
table 1.3.6.1.4.1.171.12.53.4.1 mcastPortAccessEntry
column 1.3.6.1.4.1.171.12.53.4.1 1 mcastAccessPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.12.53.4.1 2 mcastAccessState Integer rw range=1,2
row 1.3.6.1.4.1.171.12.53.4.1 1 1
row 1.3.6.1.4.1.171.12.53.4.1 2 1
row 1.3.6.1.4.1.171.12.53.4.1 3 1
row 1.3.6.1.4.1.171.12.53.4.1 4 1
row 1.3.6.1.4.1.171.12.53.4.1 5 1
row 1.3.6.1.4.1.171.12.53.4.1 6 1
row 1.3.6.1.4.1.171.12.53.4.1 7 1
row 1.3.6.1.4.1.171.12.53.4.1 8 1
row 1.3.6.1.4.1.171.12.53.4.1 9 1
row 1.3.6.1.4.1.171.12.53.4.1 10 1
row 1.3.6.1.4.1.171.12.53.4.1 11 1
row 1.3.6.1.4.1.171.12.53.4.1 12 1
row 1.3.6.1.4.1.171.12.53.4.1 13 2
row 1.3.6.1.4.1.171.12.53.4.1 14 1
row 1.3.6.1.4.1.171.12.53.4.1 15 1
row 1.3.6.1.4.1.171.12.53.4.1 16 1
row 1.3.6.1.4.1.171.12.53.4.1 17 1
row 1.3.6.1.4.1.171.12.53.4.1 18 1
row 1.3.6.1.4.1.171.12.53.4.1 19 1
row 1.3.6.1.4.1.171.12.53.4.1 20 1
row 1.3.6.1.4.1.171.12.53.4.1 21 1
row 1.3.6.1.4.1.171.12.53.4.1 22 1
row 1.3.6.1.4.1.171.12.53.4.1 23 1
row 1.3.6.1.4.1.171.12.53.4.1 24 1
row 1.3.6.1.4.1.171.12.53.4.1 25 1
row 1.3.6.1.4.1.171.12.53.4.1 26 1
row 1.3.6.1.4.1.171.12.53.4.1 27 1
row 1.3.6.1.4.1.171.12.53.4.1 28 1
row 1.3.6.1.4.1.171.12.53.4.1 29 1
row 1.3.6.1.4.1.171.12.53.4.1 30 1
row 1.3.6.1.4.1.171.12.53.4.1 31 1
row 1.3.6.1.4.1.171.12.53.4.1 32 1
row 1.3.6.1.4.1.171.12.53.4.1 33 1
row 1.3.6.1.4.1.171.12.53.4.1 34 1
row 1.3.6.1.4.1.171.12.53.4.1 35 1
row 1.3.6.1.4.1.171.12.53.4.1 36 1
row 1.3.6.1.4.1.171.12.53.4.1 37 1
row 1.3.6.1.4.1.171.12.53.4.1 38 1
row 1.3.6.1.4.1.171.12.53.4.1 39 1
row 1.3.6.1.4.1.171.12.53.4.1 40 1
row 1.3.6.1.4.1.171.12.53.4.1 41 1
row 1.3.6.1.4.1.171.12.53.4.1 42 1
row 1.3.6.1.4.1.171.12.53.4.1 43 1
row 1.3.6.1.4.1.171.12.53.4.1 44 1
row 1.3.6.1.4.1.171.12.53.4.1 45 1
row 1.3.6.1.4.1.171.12.53.4.1 46 1
row 1.3.6.1.4.1.171.12.53.4.1 47 1
row 1.3.6.1.4.1.171.12.53.4.1 48 1
row 1.3.6.1.4.1.171.12.53.4.1 49 1
row 1.3.6.1.4.1.171.12.53.4.1 50 1
row 1.3.6.1.4.1.171.12.53.4.1 51 1
row 1.3.6.1.4.1.171.12.53.4.1 52 1
table 1.3.6.1.4.1.171.12.53.5.1 mcastPortMaxEntry
column 1.3.6.1.4.1.171.12.53.5.1 1 mcastMaxPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.12.53.5.1 2 mcastMaxGroup Integer rw range=1..256
column 1.3.6.1.4.1.171.12.53.5.1 3 mcastCurrentCount Integer ro
row 1.3.6.1.4.1.171.12.53.5.1 1 256 0
row 1.3.6.1.4.1.171.12.53.5.1 2 256 1
row 1.3.6.1.4.1.171.12.53.5.1 3 256 1
row 1.3.6.1.4.1.171.12.53.5.1 4 256 0
row 1.3.6.1.4.1.171.12.53.5.1 5 256 1
row 1.3.6.1.4.1.171.12.53.5.1 6 256 0
row 1.3.6.1.4.1.171.12.53.5.1 7 256 1
row 1.3.6.1.4.1.171.12.53.5.1 8 256 0
row 1.3.6.1.4.1.171.12.53.5.1 9 256 0
row 1.3.6.1.4.1.171.12.53.5.1 10 256 0
row 1.3.6.1.4.1.171.12.53.5.1 11 256 1
row 1.3.6.1.4.1.171.12.53.5.1 12 256 1
row 1.3.6.1.4.1.171.12.53.5.1 13 256 1
row 1.3.6.1.4.1.171.12.53.5.1 14 256 0
row 1.3.6.1.4.1.171.12.53.5.1 15 256 0
row 1.3.6.1.4.1.171.12.53.5.1 16 256 0
row 1.3.6.1.4.1.171.12.53.5.1 17 256 1
row 1.3.6.1.4.1.171.12.53.5.1 18 256 1
row 1.3.6.1.4.1.171.12.53.5.1 19 256 0
row 1.3.6.1.4.1.171.12.53.5.1 20 256 0
row 1.3.6.1.4.1.171.12.53.5.1 21 256 0
row 1.3.6.1.4.1.171.12.53.5.1 22 256 0
row 1.3.6.1.4.1.171.12.53.5.1 23 256 0
row 1.3.6.1.4.1.171.12.53.5.1 24 256 0
row 1.3.6.1.4.1.171.12.53.5.1 25 256 0
row 1.3.6.1.4.1.171.12.53.5.1 26 256 0
row 1.3.6.1.4.1.171.12.53.5.1 27 256 0
row 1.3.6.1.4.1.171.12.53.5.1 28 256 0
row 1.3.6.1.4.1.171.12.53.5.1 29 256 0
row 1.3.6.1.4.1.171.12.53.5.1 30 256 0
row 1.3.6.1.4.1.171.12.53.5.1 31 256 0
row 1.3.6.1.4.1.171.12.53.5.1 32 256 0
row 1.3.6.1.4.1.171.12.53.5.1 33 256 0
row 1.3.6.1.4.1.171.12.53.5.1 34 256 0
row 1.3.6.1.4.1.171.12.53.5.1 35 256 0
row 1.3.6.1.4.1.171.12.53.5.1 36 256 0
row 1.3.6.1.4.1.171.12.53.5.1 37 256 0
row 1.3.6.1.4.1.171.12.53.5.1 38 256 0
row 1.3.6.1.4.1.171.12.53.5.1 39 256 0
row 1.3.6.1.4.1.171.12.53.5.1 40 256 0
row 1.3.6.1.4.1.171.12.53.5.1 41 256 0
row 1.3.6.1.4.1.171.12.53.5.1 42 256 0
row 1.3.6.1.4.1.171.12.53.5.1 43 256 0
row 1.3.6.1.4.1.171.12.53.5.1 44 256 0
row 1.3.6.1.4.1.171.12.53.5.1 45 256 0
row 1.3.6.1.4.1.171.12.53.5.1 46 256 0
row 1.3.6.1.4.1.171.12.53.5.1 47 256 0
row 1.3.6.1.4.1.171.12.53.5.1 48 256 0
row 1.3.6.1.4.1.171.12.53.5.1 49 256 0
row 1.3.6.1.4.1.171.12.53.5.1 50 256 0
row 1.3.6.1.4.1.171.12.53.5.1 51 256 0
row 1.3.6.1.4.1.171.12.53.5.1 52 256 0
object 1.3.6.1.4.1.171.12.25.1.2.0 stormTrapCtrl Integer rw range=1..4 value=4
table 1.3.6.1.4.1.171.12.25.3.1.1 stormCtrlEntry
column 1.3.6.1.4.1.171.12.25.3.1.1 1 stormPort Integer ro range=1..52 index
column 1.3.6.1.4.1.171.12.25.3.1.1 3 stormBroadcastStatus Integer rw range=1,2
column 1.3.6.1.4.1.171.12.25.3.1.1 4 stormMulticastStatus Integer rw range=1,2
column 1.3.6.1.4.1.171.12.25.3.1.1 5 stormUnicastStatus Integer rw range=1,2
column 1.3.6.1.4.1.171.12.25.3.1.1 6 stormAction Integer rw range=1,2
column 1.3.6.1.4.1.171.12.25.3.1.1 7 stormCountDown Integer rw range=0..30
column 1.3.6.1.4.1.171.12.25.3.1.1 8 stormTimeInterval Integer rw range=5..30
column 1.3.6.1.4.1.171.12.25.3.1.1 9 stormShutdownForever Integer ro range=1,2
column 1.3.6.1.4.1.171.12.25.3.1.1 10 stormBroadcastThreshold Integer rw range=0..255000
column 1.3.6.1.4.1.171.12.25.3.1.1 11 stormMulticastThreshold Integer rw range=0..255000
column 1.3.6.1.4.1.171.12.25.3.1.1 12 stormUnicastThreshold Integer rw range=0..255000
row 1.3.6.1.4.1.171.12.25.3.1.1 1 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 2 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 3 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 4 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 5 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 6 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 7 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 8 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 9 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 10 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 11 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 12 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 13 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 14 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 15 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 16 2 2 1 1 0 5 2 500 500 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 17 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 18 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 19 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 20 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 21 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 22 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 23 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 24 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 25 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 26 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 27 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 28 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 29 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 30 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 31 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 32 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 33 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 34 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 35 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 36 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 37 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 38 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 39 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 40 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 41 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 42 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 43 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 44 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 45 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 46 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 47 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 48 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 49 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 50 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 51 1 1 1 2 0 5 2 131072 131072 131072
row 1.3.6.1.4.1.171.12.25.3.1.1 52 1 1 1 2 0 5 2 131072 131072 131072
object 1.3.6.1.4.1.171.12.34.1.1.0 mldGlobalState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.12.34.1.2.0 mldMcastRouterOnly Integer rw range=2,3 value=2
table 1.3.6.1.4.1.171.12.34.3.2.1 mldCtrlEntry
column 1.3.6.1.4.1.171.12.34.3.2.1 1 mldCtrlVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.12.34.3.2.1 2 mldQueryInterval Integer rw range=1..65535
column 1.3.6.1.4.1.171.12.34.3.2.1 3 mldMaxResponse Integer rw range=1..25
column 1.3.6.1.4.1.171.12.34.3.2.1 4 mldRobustness Integer rw range=1..255
column 1.3.6.1.4.1.171.12.34.3.2.1 5 mldLastMemberInterval Integer rw range=1..25
column 1.3.6.1.4.1.171.12.34.3.2.1 6 mldHostTimeout Integer rw range=1..16711450
column 1.3.6.1.4.1.171.12.34.3.2.1 7 mldRouteTimeout Integer rw range=1..16711450
column 1.3.6.1.4.1.171.12.34.3.2.1 8 mldDoneTimer Integer rw range=0..16711450
column 1.3.6.1.4.1.171.12.34.3.2.1 9 mldQueryState Integer rw range=1..3
column 1.3.6.1.4.1.171.12.34.3.2.1 10 mldCurrentState Integer ro range=1..3
column 1.3.6.1.4.1.171.12.34.3.2.1 11 mldCtrlState Integer rw range=1..3
column 1.3.6.1.4.1.171.12.34.3.2.1 12 mldFastLeave Integer rw range=1..3
row 1.3.6.1.4.1.171.12.34.3.2.1 1 125 10 2 1 260 260 2 3 2 3 2
row 1.3.6.1.4.1.171.12.34.3.2.1 10 125 10 2 1 260 260 2 2 3 3 3
row 1.3.6.1.4.1.171.12.34.3.2.1 20 125 10 2 1 260 260 2 2 3 2 2
table 1.3.6.1.4.1.171.12.34.3.3.1 mldGroupEntry
column 1.3.6.1.4.1.171.12.34.3.3.1 1 mldGroupVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.12.34.3.3.1 2 mldGroupAddress Ipv6Address na index
column 1.3.6.1.4.1.171.12.34.3.3.1 3 mldGroupMac MacAddress ro
column 1.3.6.1.4.1.171.12.34.3.3.1 4 mldGroupPorts Bits ro
column 1.3.6.1.4.1.171.12.34.3.3.1 5 mldGroupReports Integer ro
row 1.3.6.1.4.1.171.12.34.3.3.1 1.255.30.0.0.0.0.0.0.0.0.0.0.0.1.0.3 hex:333300010003 hex:42000000000000 41
row 1.3.6.1.4.1.171.12.34.3.3.1 10.255.5.0.0.0.0.0.0.0.0.0.0.0.2.0.8 hex:333300020008 hex:00008000000000 6
table 1.3.6.1.4.1.171.12.34.3.4.1 mldRouterPortEntry
column 1.3.6.1.4.1.171.12.34.3.4.1 1 mldRouterVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.12.34.3.4.1 2 mldRouterStaticPorts Bits rw size=0..8
column 1.3.6.1.4.1.171.12.34.3.4.1 3 mldRouterDynamicPorts Bits ro
column 1.3.6.1.4.1.171.12.34.3.4.1 4 mldRouterForbiddenPorts Bits rw size=0..8
row 1.3.6.1.4.1.171.12.34.3.4.1 1 hex:00000000000080 hex:00000000000020 hex:00000000000000
row 1.3.6.1.4.1.171.12.34.3.4.1 10 hex:00000000000080 hex:00000000000000 hex:00000000000000
row 1.3.6.1.4.1.171.12.34.3.4.1 20 hex:00000000000000 hex:00000000000000 hex:00000000000000
table 1.3.6.1.4.1.171.12.34.3.5.1 mldForwardingEntry
column 1.3.6.1.4.1.171.12.34.3.5.1 1 mldFwdVid Integer na range=1..4094 index
column 1.3.6.1.4.1.171.12.34.3.5.1 2 mldFwdAddress DisplayString na index
column 1.3.6.1.4.1.171.12.34.3.5.1 3 mldFwdMac MacAddress ro
column 1.3.6.1.4.1.171.12.34.3.5.1 4 mldFwdPorts Bits ro
row 1.3.6.1.4.1.171.12.34.3.5.1 1.9.102.102.49.101.58.58.49.58.51 hex:333300010003 hex:42000000000000
row 1.3.6.1.4.1.171.12.34.3.5.1 10.9.102.102.48.53.58.58.50.58.56 hex:333300020008 hex:00008000000000
object 1.3.6.1.4.1.171.12.41.1.1.0 lbdAdminState Integer rw range=1,2 value=1
object 1.3.6.1.4.1.171.12.41.1.2.0 lbdInterval Integer rw range=1..32767 value=10
object 1.3.6.1.4.1.171.12.41.1.3.0 lbdRecoverTime Integer rw range=0..1000000 value=60
object 1.3.6.1.4.1.171.12.41.1.4.0 lbdMode Integer rw range=1,2 value=2
table 1.3.6.1.4.1.171.12.41.3.1.1 lbdPortEntry
column 1.3.6.1.4.1.171.12.41.3.1.1 1 lbdPort Integer na range=1..52 index
column 1.3.6.1.4.1.171.12.41.3.1.1 2 lbdPortState Integer rw range=1,2
column 1.3.6.1.4.1.171.12.41.3.1.1 3 lbdPortLoopVlan DisplayString ro
column 1.3.6.1.4.1.171.12.41.3.1.1 4 lbdPortLoopStatus Integer ro range=1..3
row 1.3.6.1.4.1.171.12.41.3.1.1 1 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 2 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 3 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 4 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 5 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 6 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 7 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 8 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 9 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 10 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 11 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 12 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 13 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 14 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 15 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 16 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 17 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 18 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 19 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 20 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 21 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 22 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 23 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 24 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 25 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 26 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 27 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 28 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 29 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 30 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 31 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 32 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 33 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 34 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 35 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 36 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 37 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 38 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 39 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 40 1 "1" 2
row 1.3.6.1.4.1.171.12.41.3.1.1 41 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 42 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 43 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 44 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 45 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 46 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 47 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 48 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 49 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 50 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 51 1 "" 1
row 1.3.6.1.4.1.171.12.41.3.1.1 52 1 "" 1

# Security menu
# SSH: version 2 on port 22, at most 8 sessions, 120 s idle time-out
object 1.3.6.1.4.1.171.12.6.1.1.0 sshVersion Integer ro value=2
object 1.3.6.1.4.1.171.12.6.1.2.0 sshAdmin Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.12.6.1.3.0 sshMaxAuthFailAttempts Integer rw range=2..20 value=2
object 1.3.6.1.4.1.171.12.6.1.4.0 sshSessionKeyRekeying Integer rw range=0,10,30,60 value=60
object 1.3.6.1.4.1.171.12.6.1.5.0 sshMaxSession Integer rw range=1..8 value=8
object 1.3.6.1.4.1.171.12.6.1.6.0 sshConnectionTimeout Integer rw range=120..600 value=120
object 1.3.6.1.4.1.171.12.6.1.7.0 sshListenedPort Integer ro value=22
# SSL certificate fetched from a TFTP server
object 1.3.6.1.4.1.171.12.7.2.1.0 sslCertServer IpAddress rw value=10.90.90.20
object 1.3.6.1.4.1.171.12.7.2.2.0 sslCertPath DisplayString rw size=0..64 value="certs/qsw7400.der"
object 1.3.6.1.4.1.171.12.7.2.3.0 sslKeyPath DisplayString rw size=0..64 value="certs/qsw7400.key"
object 1.3.6.1.4.1.171.12.7.2.4.0 sslCertControl Integer rw range=2..4 value=2
object 1.3.6.1.4.1.171.12.7.2.5.0 sslCertShowStatus Integer ro range=1..3 value=2
# 802.1X on (1 enabled), RADIUS with EAP, port-based
object 1.0.8802.1.1.1.1.1.1.0 dot1xSystemAuthControl Integer rw range=1,2 value=1
object 1.3.6.1.4.1.171.12.3.1.1.0 authProtocol Integer ro range=1,2 value=1
object 1.3.6.1.4.1.171.12.3.1.2.0 authMode Integer rw range=1..3 value=1
# 802.1X port configuration: the usual timers (quiet 60 s, tx 30 s, supplicant and server 30 s, 2 requests, re-authentication hourly)
table 1.0.8802.1.1.1.1.2.1.1 dot1xAuthConfigEntry
column 1.0.8802.1.1.1.1.2.1.1 0 portNumber Integer na index
column 1.0.8802.1.1.1.1.2.1.1 1 paeState Integer ro range=1..9
column 1.0.8802.1.1.1.1.2.1.1 2 backendAuthState Integer ro range=1..7
column 1.0.8802.1.1.1.1.2.1.1 3 adminControlledDirections Integer rw range=0,1
column 1.0.8802.1.1.1.1.2.1.1 4 operControlledDirections Integer ro range=0,1
column 1.0.8802.1.1.1.1.2.1.1 5 authControlledPortStatus Integer ro range=1,2
column 1.0.8802.1.1.1.1.2.1.1 6 authControlledPortControl Integer rw range=1..3
column 1.0.8802.1.1.1.1.2.1.1 7 quietPeriod Gauge32 rw range=0..65535
column 1.0.8802.1.1.1.1.2.1.1 8 txPeriod Gauge32 rw range=1..65535
column 1.0.8802.1.1.1.1.2.1.1 9 suppTimeout Gauge32 rw range=1..65535
column 1.0.8802.1.1.1.1.2.1.1 10 serverTimeout Gauge32 rw range=1..65535
column 1.0.8802.1.1.1.1.2.1.1 11 maxReq Gauge32 rw range=1..10
column 1.0.8802.1.1.1.1.2.1.1 12 reAuthPeriod Gauge32 rw range=1..65535
column 1.0.8802.1.1.1.1.2.1.1 13 reAuthEnabled Integer rw range=1,2
row 1.0.8802.1.1.1.1.2.1.1 1 5 6 0 0 1 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 2 5 6 0 0 1 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 3 2 6 0 0 2 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 4 2 6 0 0 2 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 5 5 6 0 0 1 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 6 2 6 0 0 2 2 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 7 8 6 0 0 1 3 60 30 30 30 2 3600 2
row 1.0.8802.1.1.1.1.2.1.1 8 8 6 0 0 1 3 60 30 30 30 2 3600 2
# 802.1X sessions: 64-bit octet counters beyond 2^32 that keep growing
table 1.0.8802.1.1.1.1.2.4.1 dot1xAuthSessionStatsEntry
column 1.0.8802.1.1.1.1.2.4.1 0 portNumber Integer na index
column 1.0.8802.1.1.1.1.2.4.1 1 octetsRx Counter64 ro live=grow:52000
column 1.0.8802.1.1.1.1.2.4.1 2 octetsTx Counter64 ro live=grow:31000
column 1.0.8802.1.1.1.1.2.4.1 3 framesRx Counter32 ro live=grow:40
column 1.0.8802.1.1.1.1.2.4.1 4 framesTx Counter32 ro live=grow:25
column 1.0.8802.1.1.1.1.2.4.1 5 sessionId DisplayString ro
column 1.0.8802.1.1.1.1.2.4.1 6 authenticMethod Integer ro range=1,2
column 1.0.8802.1.1.1.1.2.4.1 7 sessionTime TimeTicks ro
column 1.0.8802.1.1.1.1.2.4.1 8 terminateCause Integer ro range=1..7,999
column 1.0.8802.1.1.1.1.2.4.1 9 userName DisplayString ro
row 1.0.8802.1.1.1.1.2.4.1 1 6442450944 3221225472 5120334 3100221 "00000011" 1 8640000 999 "alice"
row 1.0.8802.1.1.1.1.2.4.1 2 4831838208 2147483648 3800112 1900871 "00000012" 1 4320000 999 "bob"
row 1.0.8802.1.1.1.1.2.4.1 5 12884901888 9663676416 9800441 7700120 "00000015" 2 25920000 999 "printer-2f"
# RADIUS servers: two on the management subnet, a backup on the next one
table 1.3.6.1.4.1.171.12.3.2.4.1 radiusServerEntry
column 1.3.6.1.4.1.171.12.3.2.4.1 1 serverIndex Integer na range=1..3 index
column 1.3.6.1.4.1.171.12.3.2.4.1 2 serverIp IpAddress ro
column 1.3.6.1.4.1.171.12.3.2.4.1 3 serverKey DisplayString na
column 1.3.6.1.4.1.171.12.3.2.4.1 4 authPort Gauge32 ro
column 1.3.6.1.4.1.171.12.3.2.4.1 5 acctPort Gauge32 ro
column 1.3.6.1.4.1.171.12.3.2.4.1 6 serverStatus Integer ro range=1..6
row 1.3.6.1.4.1.171.12.3.2.4.1 1 10.90.90.11 "radius-key" 1812 1813 1
row 1.3.6.1.4.1.171.12.3.2.4.1 2 10.90.90.12 "radius-key" 1812 1813 1
row 1.3.6.1.4.1.171.12.3.2.4.1 3 10.90.91.11 "radius-key" 1645 1646 1
table 1.3.6.1.4.1.171.12.3.3.3.1 radiusAuthServerEntry
column 1.3.6.1.4.1.171.12.3.3.3.1 1 serverIndex Integer na index
column 1.3.6.1.4.1.171.12.3.3.3.1 2 serverAddress IpAddress ro
column 1.3.6.1.4.1.171.12.3.3.3.1 3 serverPort Gauge32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 4 roundTripTime Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 5 accessRequests Counter32 ro live=grow:2
column 1.3.6.1.4.1.171.12.3.3.3.1 6 accessRetransmissions Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 7 accessAccepts Counter32 ro live=grow:2
column 1.3.6.1.4.1.171.12.3.3.3.1 8 accessRejects Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 9 accessChallenges Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 10 malformedAccessResponses Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 11 badAuthenticators Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 12 pendingRequests Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 13 timeouts Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 14 unknownTypes Counter32 ro
column 1.3.6.1.4.1.171.12.3.3.3.1 15 packetsDropped Counter32 ro
row 1.3.6.1.4.1.171.12.3.3.3.1 1 10.90.90.11 1812 12 48210 12 47990 208 96420 0 0 0 12 0 0
row 1.3.6.1.4.1.171.12.3.3.3.1 2 10.90.90.12 1812 12 48210 12 47990 208 96420 0 0 0 12 0 0
table 1.3.6.1.4.1.171.12.3.5.3.1 radiusAcctServerEntry
column 1.3.6.1.4.1.171.12.3.5.3.1 1 serverIndex Integer na index
column 1.3.6.1.4.1.171.12.3.5.3.1 2 serverAddress IpAddress ro
column 1.3.6.1.4.1.171.12.3.5.3.1 3 serverPort Gauge32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 4 roundTripTime Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 5 requests Counter32 ro live=grow:3
column 1.3.6.1.4.1.171.12.3.5.3.1 6 retransmissions Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 7 responses Counter32 ro live=grow:3
column 1.3.6.1.4.1.171.12.3.5.3.1 8 malformedResponses Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 9 badAuthenticators Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 10 pendingRequests Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 11 timeouts Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 12 unknownTypes Counter32 ro
column 1.3.6.1.4.1.171.12.3.5.3.1 13 packetsDropped Counter32 ro
row 1.3.6.1.4.1.171.12.3.5.3.1 1 10.90.90.11 1813 12 61877 7 61870 0 0 0 12 0 0
row 1.3.6.1.4.1.171.12.3.5.3.1 2 10.90.90.12 1813 12 61877 7 61870 0 0 0 12 0 0
# Port lists as 52-port bit strings (7 octets, port 1 the top bit of the first)
object 1.3.6.1.4.1.171.12.30.1.1.0 guestVlanName DisplayString rw size=0..32 value="guest"
object 1.3.6.1.4.1.171.12.30.1.2.0 guestVlanPorts Bits rw size=7 value=hex:F0000000000000
object 1.3.6.1.4.1.171.12.30.1.3.0 guestVlanDeleteState Integer rw range=1,2 value=1
object 1.3.6.1.4.1.171.12.35.1.4.0 macGuestVlanName DisplayString rw size=0..32 value="guest"
object 1.3.6.1.4.1.171.12.35.1.5.0 macGuestMemberPorts Bits rw size=7 value=hex:0000000000F000
object 1.3.6.1.4.1.171.11.69.4.2.13.2.1.0 bcastFilterPorts Bits rw size=7 value=hex:FFFFFFFFFFFFF0
object 1.3.6.1.4.1.171.11.69.4.2.13.2.2.0 arpForwardPorts Bits rw size=7 value=hex:000000000000F0
# Web-based access users and the MAC-based access database: RowStatus tables (4 createAndGo, 6 destroy)
table 1.3.6.1.4.1.171.12.27.3.2.1 webAuthUserEntry status=4 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.27.3.2.1 1 userName DisplayString na size=1..15 index
column 1.3.6.1.4.1.171.12.27.3.2.1 2 userPassword DisplayString ro default="********"
column 1.3.6.1.4.1.171.12.27.3.2.1 3 userVlanName DisplayString rc size=0..32 default="default"
column 1.3.6.1.4.1.171.12.27.3.2.1 4 userStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.27.3.2.1 5.97.108.105.99.101 "********" "staff" 1
row 1.3.6.1.4.1.171.12.27.3.2.1 3.98.111.98 "********" "staff" 1
row 1.3.6.1.4.1.171.12.27.3.2.1 7.118.105.115.105.116.111.114 "********" "guest" 1
table 1.3.6.1.4.1.171.12.35.4.1.1 macAuthDatabaseEntry status=3 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.35.4.1.1 1 macIndex MacAddress na index
column 1.3.6.1.4.1.171.12.35.4.1.1 2 vlanName DisplayString rc size=0..32 default="default"
column 1.3.6.1.4.1.171.12.35.4.1.1 3 status Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.35.4.1.1 0.80.186.17.34.51 "staff" 1
row 1.3.6.1.4.1.171.12.35.4.1.1 0.80.186.17.34.52 "staff" 1
row 1.3.6.1.4.1.171.12.35.4.1.1 0.80.186.90.0.7 "printers" 1
# Single IP Configuration, Bridge, VLAN, RMON and SNMP V3 menus
# single IP management: this switch is the commander of a group of two members
object 1.3.6.1.4.1.171.12.8.1.1.1.0 sipVersion DisplayString ro value="2.00.001"
object 1.3.6.1.4.1.171.12.8.1.1.2.0 sipCapability DisplayString ro value="L2"
object 1.3.6.1.4.1.171.12.8.1.1.3.0 sipPlatform DisplayString ro value="QSW-7400 L2 Switch"
object 1.3.6.1.4.1.171.12.8.1.2.1.0 sipAdmin Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.12.8.1.2.2.0 sipRole Integer rw range=1..3 value=1
object 1.3.6.1.4.1.171.12.8.1.2.3.0 sipHoldTime Integer rw range=100..255 value=100
object 1.3.6.1.4.1.171.12.8.1.2.4.0 sipInterval Integer rw range=30..90 value=60
# spanning tree: state (2 disabled, 3 enabled), MSTP region, instances 0 (CIST) and 1, ports
object 1.3.6.1.4.1.171.12.15.1.1.0 stpState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.12.15.2.1.0 mstpName DisplayString rw size=0..32 value="0050BA000001"
object 1.3.6.1.4.1.171.12.15.2.2.0 mstpRevision Integer rw range=0..65535 value=0
table 1.3.6.1.4.1.171.12.15.2.3.1 mstpInstanceEntry status=24 create=4:1,5:2 destroy=6
column 1.3.6.1.4.1.171.12.15.2.3.1 1 mstpInstId Integer ro index
column 1.3.6.1.4.1.171.12.15.2.3.1 2 mstpVlanRange1 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 3 mstpVlanRange2 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 4 mstpVlanRange3 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 5 mstpVlanRange4 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 6 mstpVlanRange5 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 7 mstpVlanRange6 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 8 mstpVlanRange7 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 9 mstpVlanRange8 OctetString rc size=0..8 default=hex:0000000000000000
column 1.3.6.1.4.1.171.12.15.2.3.1 10 mstpType Integer ro range=0,1 default=1
column 1.3.6.1.4.1.171.12.15.2.3.1 11 mstpStatus Integer ro range=1,2 default=1
column 1.3.6.1.4.1.171.12.15.2.3.1 12 mstpPriority Integer rc range=0..61440 default=32768
column 1.3.6.1.4.1.171.12.15.2.3.1 13 mstpDesignatedRoot OctetString ro default=hex:80000050BA000001
column 1.3.6.1.4.1.171.12.15.2.3.1 14 mstpExtRootCost Integer ro default=0
column 1.3.6.1.4.1.171.12.15.2.3.1 15 mstpRegionalRoot OctetString ro default=hex:80000050BA000001
column 1.3.6.1.4.1.171.12.15.2.3.1 16 mstpIntRootCost Integer ro default=0
column 1.3.6.1.4.1.171.12.15.2.3.1 17 mstpDesignatedBridge OctetString ro default=hex:80000050BA000001
column 1.3.6.1.4.1.171.12.15.2.3.1 18 mstpRootPort Integer ro default=0
column 1.3.6.1.4.1.171.12.15.2.3.1 19 mstpMaxAge Integer ro default=20
column 1.3.6.1.4.1.171.12.15.2.3.1 20 mstpForwardDelay Integer ro default=15
column 1.3.6.1.4.1.171.12.15.2.3.1 21 mstpLastTopologyChange TimeTicks ro default=0
column 1.3.6.1.4.1.171.12.15.2.3.1 22 mstpTopChanges Counter32 ro default=0
column 1.3.6.1.4.1.171.12.15.2.3.1 23 mstpRemainHops Integer ro default=20
column 1.3.6.1.4.1.171.12.15.2.3.1 24 mstpRowStatus Integer rc range=1..6 default=1
row 1.3.6.1.4.1.171.12.15.2.3.1 0 hex:FFBFEFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF hex:FFFFFFFFFFFFFFFF 0 1 32768 hex:80000050BA000001 0 hex:80000050BA000001 0 hex:80000050BA000001 0 20 15 412300 3 20 1
row 1.3.6.1.4.1.171.12.15.2.3.1 1 hex:0040100000000000 hex:0000000000000000 hex:0000000000000000 hex:0000000000000000 hex:0000000000000000 hex:0000000000000000 hex:0000000000000000 hex:0000000000000000 1 1 4096 hex:10010050BA000001 0 hex:10010050BA000001 0 hex:10010050BA000001 0 20 15 412300 1 20 1
table 1.3.6.1.4.1.171.12.15.2.4.1 mstpPortEntry
column 1.3.6.1.4.1.171.12.15.2.4.1 1 mstpPort Integer ro index
column 1.3.6.1.4.1.171.12.15.2.4.1 2 mstpAdminHello Integer rw range=1..10 default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 3 mstpOperHello Integer ro default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 4 mstpPortEnable Integer rw range=1,2 default=1
column 1.3.6.1.4.1.171.12.15.2.4.1 5 mstpExtPathCost Integer rw range=0..200000000 default=0
column 1.3.6.1.4.1.171.12.15.2.4.1 6 mstpMigration Integer rw range=1,2 default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 7 mstpAdminEdge Integer rw range=1,2 default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 8 mstpOperEdge Integer ro range=1,2 default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 9 mstpAdminP2P Integer rw range=0..2 default=2
column 1.3.6.1.4.1.171.12.15.2.4.1 10 mstpOperP2P Integer ro range=0..2 default=0
column 1.3.6.1.4.1.171.12.15.2.4.1 11 mstpFbpdu Integer rw range=1,2 default=2
row 1.3.6.1.4.1.171.12.15.2.4.1 1 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 2 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 3 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 4 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 5 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 6 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 7 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 8 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 9 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 10 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 11 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 12 - - - 20000 - 1 1 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 13 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 14 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 15 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 16 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 17 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 18 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 19 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 20 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 21 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 22 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 23 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 24 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 25 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 26 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 27 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 28 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 29 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 30 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 31 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 32 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 33 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 34 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 35 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 36 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 37 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 38 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 39 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 40 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 41 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 42 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 43 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 44 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 45 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 46 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 47 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 48 - - - 20000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 49 - - - 2000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 50 - - - 2000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 51 - - - 2000 - 2 2 - - -
row 1.3.6.1.4.1.171.12.15.2.4.1 52 - - - 2000 - 2 2 - - -
table 1.3.6.1.4.1.171.12.15.2.5.1 mstpPortInstanceEntry
column 1.3.6.1.4.1.171.12.15.2.5.1 1 mstpMasterPort Integer ro index
column 1.3.6.1.4.1.171.12.15.2.5.1 2 mstpInstanceId Integer ro index
column 1.3.6.1.4.1.171.12.15.2.5.1 3 mstpPortDesignatedBridge OctetString ro default=hex:80000050BA000001
column 1.3.6.1.4.1.171.12.15.2.5.1 4 mstpIntPathCost Integer rw range=1..200000000 default=20000
column 1.3.6.1.4.1.171.12.15.2.5.1 5 mstpPortPriority Integer rw range=0..240 default=128
column 1.3.6.1.4.1.171.12.15.2.5.1 6 mstpPortStatus Integer ro range=2..8 default=5
column 1.3.6.1.4.1.171.12.15.2.5.1 7 mstpPortRole Integer ro range=0..7 default=4
row 1.3.6.1.4.1.171.12.15.2.5.1 1.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 2.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 3.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 4.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 5.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 6.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 7.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 8.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 9.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 10.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 11.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 12.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 13.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 14.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 15.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 16.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 17.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 18.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 19.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 20.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 21.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 22.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 23.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 24.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 25.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 26.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 27.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 28.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 29.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 30.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 31.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 32.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 33.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 34.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 35.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 36.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 37.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 38.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 39.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 40.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 41.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 42.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 43.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 44.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 45.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 46.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 47.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 48.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 49.0 - - - - 3
row 1.3.6.1.4.1.171.12.15.2.5.1 50.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 51.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 52.0 - - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 1.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 2.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 3.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 4.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 5.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 6.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 7.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 8.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 9.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 10.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 11.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 12.1 hex:10010050BA000001 - - - 4
row 1.3.6.1.4.1.171.12.15.2.5.1 49.1 hex:10010050BA000001 - - - 3
row 1.3.6.1.4.1.171.12.15.2.5.1 50.1 hex:10010050BA000001 - - - 4
# bridge: 52 ports, aging time in seconds
object 1.3.6.1.2.1.17.1.2.0 dot1dBaseNumPorts Integer ro value=52
object 1.3.6.1.2.1.17.4.1.0 dot1dTpLearnedEntryDiscards Counter32 ro value=0
object 1.3.6.1.2.1.17.4.2.0 dot1dTpAgingTime Integer rw range=10..1000000 value=300
# 802.1Q VLANs: 1 "default" (ports 13-52, 49-50 tagged), 10 "servers" (1-8 untagged, 49-50 tagged),
# 20 "voice" (9-12 untagged, 49-50 tagged); port lists are 52 bits, port 1 in the first octet's top bit
object 1.3.6.1.2.1.17.7.1.1.1.0 dot1qVlanVersionNumber Integer ro value=1
object 1.3.6.1.2.1.17.7.1.1.2.0 dot1qMaxVlanId Integer ro value=4094
object 1.3.6.1.2.1.17.7.1.1.3.0 dot1qMaxSupportedVlans Gauge32 ro value=4094
object 1.3.6.1.2.1.17.7.1.1.4.0 dot1qNumVlans Gauge32 ro live=rows:1.3.6.1.2.1.17.7.1.4.3.1
object 1.3.6.1.2.1.17.7.1.1.5.0 dot1qGvrpStatus Integer rw range=1,2 value=2
table 1.3.6.1.2.1.17.7.1.4.3.1 dot1qVlanStaticEntry status=5 create=4:1 destroy=6
column 1.3.6.1.2.1.17.7.1.4.3.1 0 dot1qVlanIndex Gauge32 na index
column 1.3.6.1.2.1.17.7.1.4.3.1 1 dot1qVlanStaticName DisplayString rc size=0..32 default=""
column 1.3.6.1.2.1.17.7.1.4.3.1 2 dot1qVlanStaticEgressPorts Bits rc default=hex:00000000000000
column 1.3.6.1.2.1.17.7.1.4.3.1 3 dot1qVlanForbiddenEgressPorts Bits rc default=hex:00000000000000
column 1.3.6.1.2.1.17.7.1.4.3.1 4 dot1qVlanStaticUntaggedPorts Bits rc default=hex:00000000000000
column 1.3.6.1.2.1.17.7.1.4.3.1 5 dot1qVlanStaticRowStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.2.1.17.7.1.4.3.1 1 "default" hex:000FFFFFFFFFF0 hex:00000000000000 hex:000FFFFFFFFF30 1
row 1.3.6.1.2.1.17.7.1.4.3.1 10 "servers" hex:FF0000000000C0 hex:00000000000000 hex:FF000000000000 1
row 1.3.6.1.2.1.17.7.1.4.3.1 20 "voice" hex:00F000000000C0 hex:00000000000000 hex:00F00000000000 1
table 1.3.6.1.2.1.17.7.1.4.2.1 dot1qVlanCurrentEntry
column 1.3.6.1.2.1.17.7.1.4.2.1 1 dot1qVlanTimeMark TimeTicks na index
column 1.3.6.1.2.1.17.7.1.4.2.1 2 dot1qVlanIndex Gauge32 na index
column 1.3.6.1.2.1.17.7.1.4.2.1 3 dot1qVlanFdbId Gauge32 ro default=0
column 1.3.6.1.2.1.17.7.1.4.2.1 4 dot1qVlanCurrentEgressPorts Bits ro default=hex:00000000000000
column 1.3.6.1.2.1.17.7.1.4.2.1 5 dot1qVlanCurrentUntaggedPorts Bits ro default=hex:00000000000000
column 1.3.6.1.2.1.17.7.1.4.2.1 6 dot1qVlanStatus Integer ro range=1..3 default=2
column 1.3.6.1.2.1.17.7.1.4.2.1 7 dot1qVlanCreationTime TimeTicks ro default=0
row 1.3.6.1.2.1.17.7.1.4.2.1 0.1 1 hex:000FFFFFFFFFF0 hex:000FFFFFFFFF30 2 0
row 1.3.6.1.2.1.17.7.1.4.2.1 0.10 10 hex:FF0000000000C0 hex:FF000000000000 2 0
row 1.3.6.1.2.1.17.7.1.4.2.1 0.20 20 hex:00F000000000C0 hex:00F00000000000 2 0
table 1.3.6.1.2.1.17.7.1.4.5.1 dot1qPortVlanEntry
column 1.3.6.1.2.1.17.7.1.4.5.1 0 dot1dBasePort Integer na index
column 1.3.6.1.2.1.17.7.1.4.5.1 1 dot1qPvid Gauge32 rw range=1..4094 default=1
column 1.3.6.1.2.1.17.7.1.4.5.1 2 dot1qPortAcceptableFrameTypes Integer rw range=1,2 default=1
column 1.3.6.1.2.1.17.7.1.4.5.1 3 dot1qPortIngressFiltering Integer rw range=1,2 default=2
column 1.3.6.1.2.1.17.7.1.4.5.1 4 dot1qPortGvrpStatus Integer rw range=1,2 default=2
column 1.3.6.1.2.1.17.7.1.4.5.1 5 dot1qPortGvrpFailedRegistrations Counter32 ro default=0
column 1.3.6.1.2.1.17.7.1.4.5.1 6 dot1qPortGvrpLastPduOrigin MacAddress ro default=hex:000000000000
row 1.3.6.1.2.1.17.7.1.4.5.1 1 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 2 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 3 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 4 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 5 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 6 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 7 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 8 10 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 9 20 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 10 20 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 11 20 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 12 20 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 13 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 14 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 15 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 16 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 17 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 18 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 19 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 20 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 21 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 22 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 23 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 24 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 25 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 26 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 27 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 28 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 29 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 30 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 31 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 32 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 33 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 34 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 35 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 36 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 37 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 38 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 39 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 40 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 41 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 42 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 43 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 44 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 45 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 46 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 47 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 48 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 49 1 2 1 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 50 1 2 1 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 51 1 1 2 - - -
row 1.3.6.1.2.1.17.7.1.4.5.1 52 1 1 2 - - -
# SNMPv3: spin locks are TestAndIncr; the USM table lists the built-in users with their protocols
object 1.3.6.1.6.3.12.1.1.0 snmpTargetSpinLock Integer rw range=0..2147483647 write=testandincr value=1024
object 1.3.6.1.6.3.15.1.2.1.0 usmUserSpinLock Integer rw range=0..2147483647 write=testandincr value=315
object 1.3.6.1.6.3.16.1.5.1.0 vacmViewSpinLock Integer rw range=0..2147483647 write=testandincr value=7301
table 1.3.6.1.6.3.15.1.2.2.1 usmUserEntry status=13 create=4:1 destroy=6
column 1.3.6.1.6.3.15.1.2.2.1 1 usmUserEngineID OctetString na index
column 1.3.6.1.6.3.15.1.2.2.1 2 usmUserName DisplayString na index
column 1.3.6.1.6.3.15.1.2.2.1 3 usmUserSecurityName DisplayString ro default=""
column 1.3.6.1.6.3.15.1.2.2.1 4 usmUserCloneFrom ObjectId rc default=0.0
column 1.3.6.1.6.3.15.1.2.2.1 5 usmUserAuthProtocol ObjectId rc default=1.3.6.1.6.3.10.1.1.1
column 1.3.6.1.6.3.15.1.2.2.1 6 usmUserAuthKeyChange OctetString rc default=hex:
column 1.3.6.1.6.3.15.1.2.2.1 7 usmUserOwnAuthKeyChange OctetString rc default=hex:
column 1.3.6.1.6.3.15.1.2.2.1 8 usmUserPrivProtocol ObjectId rc default=1.3.6.1.6.3.10.1.2.1
column 1.3.6.1.6.3.15.1.2.2.1 9 usmUserPrivKeyChange OctetString rc default=hex:
column 1.3.6.1.6.3.15.1.2.2.1 10 usmUserOwnPrivKeyChange OctetString rc default=hex:
column 1.3.6.1.6.3.15.1.2.2.1 11 usmUserPublic DisplayString rc size=0..32 default=""
column 1.3.6.1.6.3.15.1.2.2.1 12 usmUserStorageType Integer rc range=2..5 default=3
column 1.3.6.1.6.3.15.1.2.2.1 13 usmUserStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.6.3.15.1.2.2.1 16.128.0.31.136.4.113.115.119.55.52.48.48.45.115.105.109.6.109.100.53.100.101.115 "md5des" 0.0 1.3.6.1.6.3.10.1.1.2 hex: hex: 1.3.6.1.6.3.10.1.2.2 hex: hex: "" 3 1
row 1.3.6.1.6.3.15.1.2.2.1 16.128.0.31.136.4.113.115.119.55.52.48.48.45.115.105.109.6.115.104.97.97.101.115 "shaaes" 0.0 1.3.6.1.6.3.10.1.1.3 hex: hex: 1.3.6.1.6.3.10.1.2.4 hex: hex: "" 3 1
row 1.3.6.1.6.3.15.1.2.2.1 16.128.0.31.136.4.113.115.119.55.52.48.48.45.115.105.109.7.115.104.97.97.117.116.104 "shaauth" 0.0 1.3.6.1.6.3.10.1.1.3 hex: hex: 1.3.6.1.6.3.10.1.2.1 hex: hex: "" 3 1
# VACM as the agent grants it: public reads, private and the v3 users read and write, all of
# view "everything" (the whole tree)
table 1.3.6.1.6.3.16.1.2.1 vacmSecurityToGroupEntry status=5 create=4:1 destroy=6
column 1.3.6.1.6.3.16.1.2.1 1 vacmSecurityModel Integer na index
column 1.3.6.1.6.3.16.1.2.1 2 vacmSecurityName DisplayString na index
column 1.3.6.1.6.3.16.1.2.1 3 vacmGroupName DisplayString rc size=0..32 default=""
column 1.3.6.1.6.3.16.1.2.1 4 vacmSecurityToGroupStorageType Integer rc range=2..5 default=3
column 1.3.6.1.6.3.16.1.2.1 5 vacmSecurityToGroupStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.6.3.16.1.2.1 1.6.112.117.98.108.105.99 "readOnly" 3 1
row 1.3.6.1.6.3.16.1.2.1 1.7.112.114.105.118.97.116.101 "readWrite" 3 1
row 1.3.6.1.6.3.16.1.2.1 2.6.112.117.98.108.105.99 "readOnly" 3 1
row 1.3.6.1.6.3.16.1.2.1 2.7.112.114.105.118.97.116.101 "readWrite" 3 1
row 1.3.6.1.6.3.16.1.2.1 3.6.109.100.53.100.101.115 "v3ReadWrite" 3 1
row 1.3.6.1.6.3.16.1.2.1 3.6.115.104.97.97.101.115 "v3ReadWrite" 3 1
row 1.3.6.1.6.3.16.1.2.1 3.7.115.104.97.97.117.116.104 "v3ReadWrite" 3 1
table 1.3.6.1.6.3.16.1.4.1 vacmAccessEntry
column 1.3.6.1.6.3.16.1.4.1 0 vacmGroupName DisplayString na index
column 1.3.6.1.6.3.16.1.4.1 1 vacmAccessContextPrefix OctetString na index
column 1.3.6.1.6.3.16.1.4.1 2 vacmAccessSecurityModel Integer na index
column 1.3.6.1.6.3.16.1.4.1 3 vacmAccessSecurityLevel Integer na index
column 1.3.6.1.6.3.16.1.4.1 4 vacmAccessContextMatch Integer rw range=1,2 default=1
column 1.3.6.1.6.3.16.1.4.1 5 vacmAccessReadViewName DisplayString rw size=0..32 default=""
column 1.3.6.1.6.3.16.1.4.1 6 vacmAccessWriteViewName DisplayString rw size=0..32 default=""
column 1.3.6.1.6.3.16.1.4.1 7 vacmAccessNotifyViewName DisplayString rw size=0..32 default=""
column 1.3.6.1.6.3.16.1.4.1 8 vacmAccessStorageType Integer rw range=2..5 default=3
column 1.3.6.1.6.3.16.1.4.1 9 vacmAccessStatus Integer rw range=1,4,6 default=1
row 1.3.6.1.6.3.16.1.4.1 8.114.101.97.100.79.110.108.121.0.1.1 1 "everything" "" "everything" 3 1
row 1.3.6.1.6.3.16.1.4.1 8.114.101.97.100.79.110.108.121.0.2.1 1 "everything" "" "everything" 3 1
row 1.3.6.1.6.3.16.1.4.1 9.114.101.97.100.87.114.105.116.101.0.1.1 1 "everything" "everything" "everything" 3 1
row 1.3.6.1.6.3.16.1.4.1 9.114.101.97.100.87.114.105.116.101.0.2.1 1 "everything" "everything" "everything" 3 1
row 1.3.6.1.6.3.16.1.4.1 11.118.51.82.101.97.100.87.114.105.116.101.0.3.1 1 "everything" "everything" "everything" 3 1
table 1.3.6.1.6.3.16.1.5.2.1 vacmViewTreeFamilyEntry status=6 create=4:1 destroy=6
column 1.3.6.1.6.3.16.1.5.2.1 1 vacmViewTreeFamilyViewName DisplayString na index
column 1.3.6.1.6.3.16.1.5.2.1 2 vacmViewTreeFamilySubtree ObjectId na index
column 1.3.6.1.6.3.16.1.5.2.1 3 vacmViewTreeFamilyMask DisplayString rc size=0..16 default=""
column 1.3.6.1.6.3.16.1.5.2.1 4 vacmViewTreeFamilyType Integer rc range=1,2 default=1
column 1.3.6.1.6.3.16.1.5.2.1 5 vacmViewTreeFamilyStorageType Integer rc range=2..5 default=3
column 1.3.6.1.6.3.16.1.5.2.1 6 vacmViewTreeFamilyStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.6.3.16.1.5.2.1 10.101.118.101.114.121.116.104.105.110.103.1.1 "" 1 3 1
# communities as the agent accepts them (context engine ID: the device's)
table 1.3.6.1.6.3.18.1.1.1 snmpCommunityEntry status=8 create=4:1 destroy=6
column 1.3.6.1.6.3.18.1.1.1 1 snmpCommunityIndex DisplayString na index implied
column 1.3.6.1.6.3.18.1.1.1 2 snmpCommunityName DisplayString rc default=""
column 1.3.6.1.6.3.18.1.1.1 3 snmpCommunitySecurityName DisplayString rc default=""
column 1.3.6.1.6.3.18.1.1.1 4 snmpCommunityContextEngineID OctetString rc default=hex:80001F8804717377373430302D73696D
column 1.3.6.1.6.3.18.1.1.1 5 snmpCommunityContextName DisplayString rc default=""
column 1.3.6.1.6.3.18.1.1.1 6 snmpCommunityTransportTag DisplayString rc default=""
column 1.3.6.1.6.3.18.1.1.1 7 snmpCommunityStorageType Integer rc range=2..5 default=3
column 1.3.6.1.6.3.18.1.1.1 8 snmpCommunityStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.6.3.18.1.1.1 112.117.98.108.105.99 "public" "public" - "" "" 3 1
row 1.3.6.1.6.3.18.1.1.1 112.114.105.118.97.116.101 "private" "private" - "" "" 3 1
# SNMPv3 engine (the device's engine ID; boots and time as a device reports them) and the agent's
# own message-processing and USM counters
object 1.3.6.1.6.3.10.2.1.1.0 snmpEngineID OctetString ro value=hex:80001F8804717377373430302D73696D
object 1.3.6.1.6.3.10.2.1.2.0 snmpEngineBoots Integer ro value=3
object 1.3.6.1.6.3.10.2.1.3.0 snmpEngineTime Integer ro live=grow:1 value=86400
object 1.3.6.1.6.3.10.2.1.4.0 snmpEngineMaxMessageSize Integer ro value=1500
object 1.3.6.1.6.3.11.2.1.1.0 snmpUnknownSecurityModels Counter32 ro live=stat:snmpUnknownSecurityModels
object 1.3.6.1.6.3.11.2.1.2.0 snmpInvalidMsgs Counter32 ro live=stat:snmpInvalidMsgs
object 1.3.6.1.6.3.11.2.1.3.0 snmpUnknownPDUHandlers Counter32 ro live=stat:snmpUnknownPDUHandlers
object 1.3.6.1.6.3.12.1.4.0 snmpUnavailableContexts Counter32 ro live=stat:snmpUnavailableContexts
object 1.3.6.1.6.3.12.1.5.0 snmpUnknownContexts Counter32 ro live=stat:snmpUnknownContexts
object 1.3.6.1.6.3.15.1.1.1.0 usmStatsUnsupportedSecLevels Counter32 ro live=stat:usmStatsUnsupportedSecLevels
object 1.3.6.1.6.3.15.1.1.2.0 usmStatsNotInTimeWindows Counter32 ro live=stat:usmStatsNotInTimeWindows
object 1.3.6.1.6.3.15.1.1.3.0 usmStatsUnknownUserNames Counter32 ro live=stat:usmStatsUnknownUserNames
object 1.3.6.1.6.3.15.1.1.4.0 usmStatsUnknownEngineIDs Counter32 ro live=stat:usmStatsUnknownEngineIDs
object 1.3.6.1.6.3.15.1.1.5.0 usmStatsWrongDigests Counter32 ro live=stat:usmStatsWrongDigests
object 1.3.6.1.6.3.15.1.1.6.0 usmStatsDecryptionErrors Counter32 ro live=stat:usmStatsDecryptionErrors

# TSSLManagementForm, TOSPFDefaultInfoOriginateForm, TfrmACCServerCtrl: SSL status, cipher suites
# (four switches in the high digit of one octet) and cache time-out; OSPF default route origination;
# access-control servers, rows added (1) and deleted (2) through their row state.
object 1.3.6.1.4.1.171.12.7.1.1.0 sslStatusAdmin Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.12.7.1.2.0 sslCipherSuites OctetString rw size=1 value=hex:A0
object 1.3.6.1.4.1.171.12.7.1.3.0 sslCacheTimeout Gauge32 rw value=600
object 1.3.6.1.4.1.171.11.69.4.3.12.1.0 ospfDefaultOriginateState Integer rw range=1,2 value=2
object 1.3.6.1.4.1.171.11.69.4.3.12.2.0 ospfDefaultOriginateAlways Integer rw range=1,2 value=2
object 1.3.6.1.4.1.171.11.69.4.3.12.3.0 ospfDefaultOriginateMetType Integer rw range=1,2 value=2
object 1.3.6.1.4.1.171.11.69.4.3.12.4.0 ospfDefaultOriginateMetric Integer rw range=0..16777214 value=1
table 1.3.6.1.4.1.171.12.5.12.1 accServerCtrlEntry status=4 create=1 destroy=2
column 1.3.6.1.4.1.171.12.5.12.1 1 accServerGroupName DisplayString na index
column 1.3.6.1.4.1.171.12.5.12.1 2 accServerIPAddr IpAddress na index
column 1.3.6.1.4.1.171.12.5.12.1 3 accServerAuthProtocol Integer na index
column 1.3.6.1.4.1.171.12.5.12.1 4 accServerRowState Integer rc range=1,2
row 1.3.6.1.4.1.171.12.5.12.1 6.103.114.111.117.112.49.10.90.90.5.4 1
# Spanning Tree Control (TSTP_Info): version (0 stp, 1 rstp, 2 mstp), bridge timers in hundredths
# of a second with the ranges the bridge takes, max hops, transmit hold count, BPDU forwarding
# (2 disabled, 3 enabled)
object 1.3.6.1.4.1.171.12.15.1.2.0 stpVersion Integer rw range=0..2 value=1
object 1.3.6.1.4.1.171.12.15.1.3.0 stpMaxAge Integer rw range=600..4000 value=2000
object 1.3.6.1.4.1.171.12.15.1.4.0 stpHelloTime Integer rw range=100..1000 value=200
object 1.3.6.1.4.1.171.12.15.1.5.0 stpForwardDelay Integer rw range=400..3000 value=1500
object 1.3.6.1.4.1.171.12.15.1.6.0 stpMaxHops Integer rw range=1..20 value=20
object 1.3.6.1.4.1.171.12.15.1.7.0 stpTxHoldCount Integer rw range=1..10 value=3
object 1.3.6.1.4.1.171.12.15.1.8.0 stpForwardBpdu Integer rw range=2,3 value=3
# the bridge keeps 2 x (Forward Delay - 1 s) >= Max Age >= 2 x (Hello Time + 1 s)
relation 1.3.6.1.4.1.171.12.15.1.3.0 <= 2 * 1.3.6.1.4.1.171.12.15.1.5.0 - 200
relation 1.3.6.1.4.1.171.12.15.1.3.0 >= 2 * 1.3.6.1.4.1.171.12.15.1.4.0 + 200

# The dedicated table editors: IP interfaces on VLANs with the system interface, MD5 keys, BOOTP
# relay servers (four on the system interface), single-IP member switches, route redistribution
# rules and ACL meters.
table 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 ipIfCtrlEntry status=8 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 1 ipIfAddress IpAddress ro index
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 2 ipIfIndex Integer ro default=0
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 3 ipIfName DisplayString rc size=1..12
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 4 ipIfMask IpAddress rc
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 5 ipIfVlanName DisplayString rc size=0..32
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 6 ipIfMode Integer rc range=2..4 default=2
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 7 ipIfSecondary Integer rc range=1,2 default=2
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 8 ipIfState Integer rc range=1,2,4,6 default=1
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 9 ipIfOperState Integer ro default=3
column 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 10 ipIfProxyArp Integer rc range=2,3 default=2
row 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 10.90.90.90 1 "System" 255.0.0.0 "default" 2 2 1 2 2
row 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 10.1.2.1 2 "lab" 255.255.255.0 "v20" 2 2 1 2 3
row 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 192.168.10.1 3 "mgmt" 255.255.255.0 "v10" 2 2 1 2 2
row 1.3.6.1.4.1.171.11.69.4.3.2.1.1.1 192.168.11.1 4 "mgmt2" 255.255.255.0 "v10" 2 1 1 3 2
table 1.3.6.1.4.1.171.11.69.4.3.4.1 md5KeyEntry status=3 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.3.4.1 1 md5KeyId Integer ro index range=1..255
column 1.3.6.1.4.1.171.11.69.4.3.4.1 2 md5Key DisplayString rc size=1..16
column 1.3.6.1.4.1.171.11.69.4.3.4.1 3 md5KeyStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.3.4.1 1 "area0key" 1
row 1.3.6.1.4.1.171.11.69.4.3.4.1 2 "ripAuth22" 1
row 1.3.6.1.4.1.171.11.69.4.3.4.1 5 "backbone5" 1
table 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 bootpRelayEntry status=3 create=3 destroy=2
column 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 1 bootpRelayIfName DisplayString ro index size=1..12
column 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 2 bootpRelayServer IpAddress ro index
column 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 3 bootpRelayState Integer rc range=2,3 default=3
row 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 6.83.121.115.116.101.109.10.90.90.1 3
row 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 6.83.121.115.116.101.109.10.90.90.2 3
row 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 6.83.121.115.116.101.109.10.90.90.3 3
row 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 6.83.121.115.116.101.109.10.90.90.4 3
row 1.3.6.1.4.1.171.11.69.4.3.3.1.7.1 3.108.97.98.10.1.2.254 3
table 1.3.6.1.4.1.171.12.8.1.3.1 sipMemberEntry status=10 create=4:1 destroy=6
column 1.3.6.1.4.1.171.12.8.1.3.1 1 sipMemberId Integer ro index range=1..32
column 1.3.6.1.4.1.171.12.8.1.3.1 2 sipMemberDeviceName DisplayString ro default="QSW-7400"
column 1.3.6.1.4.1.171.12.8.1.3.1 3 sipMemberMac MacAddress ro default=hex:000000000000
column 1.3.6.1.4.1.171.12.8.1.3.1 4 sipMemberFirmware DisplayString ro default="2.00.001"
column 1.3.6.1.4.1.171.12.8.1.3.1 5 sipMemberCapability DisplayString ro default="L2"
column 1.3.6.1.4.1.171.12.8.1.3.1 6 sipMemberPlatform DisplayString ro default="QSW-7400 L2 Switch"
column 1.3.6.1.4.1.171.12.8.1.3.1 7 sipMemberHoldtime Integer ro default=100
column 1.3.6.1.4.1.171.12.8.1.3.1 8 sipMemberCasSource Integer rc range=1..32 default=1
column 1.3.6.1.4.1.171.12.8.1.3.1 9 sipMemberPassword DisplayString rc size=0..20
column 1.3.6.1.4.1.171.12.8.1.3.1 10 sipMemberRowStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.12.8.1.3.1 1 "floor2-edge" hex:0011223344A1 "2.00.001" "L2" "QSW-7400 L2 Switch" 100 1 "" 1
row 1.3.6.1.4.1.171.12.8.1.3.1 2 "floor3-edge" hex:0011223344B2 "2.00.001" "L2" "QSW-7400 L2 Switch" 100 2 "" 1
table 1.3.6.1.4.1.171.11.69.4.3.5.1 routeRedistEntry status=5 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.3.5.1 1 routeRedistSource Integer ro index range=2..5
column 1.3.6.1.4.1.171.11.69.4.3.5.1 2 routeRedistDestination Integer ro index range=2,3
column 1.3.6.1.4.1.171.11.69.4.3.5.1 3 routeRedistType Integer rc range=2..10 default=2
column 1.3.6.1.4.1.171.11.69.4.3.5.1 4 routeRedistMetric Integer rc range=0..16777214 default=0
column 1.3.6.1.4.1.171.11.69.4.3.5.1 5 routeRedistRowStatus Integer rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.3.5.1 3.2 2 5 1
row 1.3.6.1.4.1.171.11.69.4.3.5.1 4.3 3 20 1
row 1.3.6.1.4.1.171.11.69.4.3.5.1 5.2 2 1 1
table 1.3.6.1.4.1.171.12.9.6.1.1 aclMeterEntry
column 1.3.6.1.4.1.171.12.9.6.1.1 1 aclMeterProfileId Integer ro index range=1..255
column 1.3.6.1.4.1.171.12.9.6.1.1 2 aclMeterAccessId Integer ro index range=1..65535
column 1.3.6.1.4.1.171.12.9.6.1.1 3 aclMeterRate Integer rw range=0..999936 default=0
column 1.3.6.1.4.1.171.12.9.6.1.1 4 aclMeterAction Integer rw range=1..3 default=1
row 1.3.6.1.4.1.171.12.9.6.1.1 1.1 640 2
row 1.3.6.1.4.1.171.12.9.6.1.1 1.2 0 1
row 1.3.6.1.4.1.171.12.9.6.1.1 2.10 1024 3
# Layer 3 Management: a router with IP interfaces on VLAN 1 (10.90.90.90/8), VLAN v20 ("lab", 10.1.2.1/24,
# interface 2) and VLAN v10 ("mgmt", 192.168.10.1/24, interface 3), as the IP interface table lists
# them; OSPF backbone and area 0.0.0.1, VRRP on both VLANs
object 1.3.6.1.4.1.171.11.69.4.3.1.1.1.0 ripState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.3.1.1.2.0 ospfState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.3.1.1.3.0 dvmrpState Integer rw range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.3.1.1.4.0 pimState Integer rw range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.3.1.1.5.0 vrrpState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.3.1.1.8.0 ospfEcmpState Integer rw range=2,3 value=2
object 1.3.6.1.4.1.171.11.69.4.3.9.1.0 ripPreference Integer rw range=0..999 value=100
object 1.3.6.1.4.1.171.11.69.4.3.9.2.0 ospfIntraPreference Integer rw range=0..999 value=80
object 1.3.6.1.4.1.171.11.69.4.3.9.3.0 staticPreference Integer rw range=0..999 value=60
object 1.3.6.1.4.1.171.11.69.4.3.9.4.0 localPreference Integer ro range=0..999 value=0
object 1.3.6.1.4.1.171.11.69.4.3.9.5.0 ospfInterPreference Integer rw range=0..999 value=90
object 1.3.6.1.4.1.171.11.69.4.3.9.6.0 ospfExtT1Preference Integer rw range=0..999 value=110
object 1.3.6.1.4.1.171.11.69.4.3.9.7.0 ospfExtT2Preference Integer rw range=0..999 value=115
object 1.3.6.1.4.1.171.11.69.4.3.2.4.0 arpAgingTime Integer rw range=0..65535 value=20
# forwarding entries (IP address, mask, port, 2 static / 3 dynamic)
table 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 ipFdbEntry
column 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 1 IPAddress 64 na index
column 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 2 SubnetMask 64 ro default=10.90.90.90
column 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 3 PortNumber 2 ro default=1
column 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 4 Type 2 ro range=2,3 default=2
row 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 10.1.2.15 255.255.255.0 5 3
row 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 10.1.2.22 255.255.255.0 7 3
row 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 192.168.10.2 255.255.255.0 24 3
row 1.3.6.1.4.1.171.11.69.4.3.2.2.1.1 10.90.90.254 255.0.0.0 1 2
# more static routes (destination, mask, 1 primary / 2 backup; next hop, metric, 3 valid)
row 1.3.6.1.4.1.171.11.69.4.3.2.5.1 172.20.0.0.255.255.0.0.1 10.1.2.254 10 3
row 1.3.6.1.4.1.171.11.69.4.3.2.5.1 192.168.50.0.255.255.255.0.1 192.168.10.2 20 3
row 1.3.6.1.4.1.171.11.69.4.3.2.5.1 192.168.50.0.255.255.255.0.2 10.1.2.254 30 3
# DNS relay with two static names (3 valid, 2 invalid)
object 1.3.6.1.4.1.171.11.69.4.3.3.2.1.0 dnsState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.3.3.2.2.0 dnsPrimaryServer IpAddress rw value=10.1.2.53
object 1.3.6.1.4.1.171.11.69.4.3.3.2.3.0 dnsSecondaryServer IpAddress rw value=192.168.10.53
object 1.3.6.1.4.1.171.11.69.4.3.3.2.4.0 dnsCacheState Integer rw range=2,3 value=3
object 1.3.6.1.4.1.171.11.69.4.3.3.2.5.0 dnsStaticTableState Integer rw range=2,3 value=3
table 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 dnsStaticEntry status=3 create=3 destroy=2
column 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 1 DomainName 76 na index
column 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 2 IPAddress 64 na index
column 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 3 State 2 rc range=2,3 default=3
row 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 16.109.97.105.108.46.108.97.98.46.101.120.97.109.112.108.101.10.1.2.25 3
row 1.3.6.1.4.1.171.11.69.4.3.3.2.6.1 15.110.116.112.46.108.97.98.46.101.120.97.109.112.108.101.192.168.10.123 3
# OSPF: a virtual link through area 0.0.0.1 to router 10.255.0.2; interfaces: designated router
# on VLAN v20, backup designated router on VLAN v10 (area 0.0.0.1), down on VLAN 1; hosts
table 1.3.6.1.4.1.171.11.69.4.3.7.1 ospfVirtIfEntry status=12 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.3.7.1 1 AreaID 64 na index
column 1.3.6.1.4.1.171.11.69.4.3.7.1 2 NeighborRouteID 64 na index
column 1.3.6.1.4.1.171.11.69.4.3.7.1 3 TransmitDelay 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 4 RetransmitInterval 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 5 HelloInterval 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 6 RouterDeadInterval 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 7 State 2 ro range=1,4 default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 8 NumberofEvents 65 ro default=1000
column 1.3.6.1.4.1.171.11.69.4.3.7.1 9 AuthenticationType 2 rc range=0,1,2 default=0
column 1.3.6.1.4.1.171.11.69.4.3.7.1 10 AuthenticationKey 76 rc default="Authentication Key"
column 1.3.6.1.4.1.171.11.69.4.3.7.1 11 MD5KeyID 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.7.1 12 Status 2 rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.3.7.1 0.0.0.1.10.255.0.2 1 5 10 60 4 3 0 "" 0 1
table 1.3.6.1.4.1.171.11.69.4.3.8.1 ospfIfEntry
column 1.3.6.1.4.1.171.11.69.4.3.8.1 1 IPAddress 64 na index
column 1.3.6.1.4.1.171.11.69.4.3.8.1 2 AddressLessIF 2 na index
column 1.3.6.1.4.1.171.11.69.4.3.8.1 3 AreaID 64 rw default=10.90.90.90
column 1.3.6.1.4.1.171.11.69.4.3.8.1 4 Type 2 rw range=1,2,3,5 default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 5 AdminStat 2 rw range=1,2 default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 6 RtrPriority 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 7 TransitDelay 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 8 RetransInterval 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 9 HelloInterval 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 10 RtrDeadInterval 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 11 PollInterval 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 12 State 2 ro range=1,2,3,4,5,6,7 default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 13 DesignatedRouter 64 ro default=10.90.90.90
column 1.3.6.1.4.1.171.11.69.4.3.8.1 14 BackupDesignatedRouter 64 ro default=10.90.90.90
column 1.3.6.1.4.1.171.11.69.4.3.8.1 15 Events 65 ro default=1000
column 1.3.6.1.4.1.171.11.69.4.3.8.1 16 MulticastForwarding 2 rw range=1,2,3 default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 17 Demand 2 rw range=1,2 default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 18 AuthType 2 rw range=0,1,2 default=0
column 1.3.6.1.4.1.171.11.69.4.3.8.1 19 AuthKey 76 rw default="Auth Key"
column 1.3.6.1.4.1.171.11.69.4.3.8.1 20 AuthKeyID 2 rw default=1
column 1.3.6.1.4.1.171.11.69.4.3.8.1 21 Status 2 rw range=1,2 default=1
row 1.3.6.1.4.1.171.11.69.4.3.8.1 10.1.2.1.0 0.0.0.0 1 1 1 1 5 10 40 120 5 10.1.2.1 10.1.2.2 6 2 2 0 "" 0 1
row 1.3.6.1.4.1.171.11.69.4.3.8.1 192.168.10.1.0 0.0.0.1 1 1 1 1 5 10 40 120 6 192.168.10.2 192.168.10.1 4 2 2 0 "" 0 1
row 1.3.6.1.4.1.171.11.69.4.3.8.1 10.90.90.90.0 0.0.0.0 1 2 1 1 5 10 40 120 1 0.0.0.0 0.0.0.0 0 2 2 0 "" 0 1
table 1.3.6.1.4.1.171.11.69.4.3.6.1 ospfHostEntry status=5 create=4:1 destroy=6
column 1.3.6.1.4.1.171.11.69.4.3.6.1 1 IPAddress 64 ro index
column 1.3.6.1.4.1.171.11.69.4.3.6.1 2 TyeOfService 2 ro index
column 1.3.6.1.4.1.171.11.69.4.3.6.1 3 Metric 2 rc default=1
column 1.3.6.1.4.1.171.11.69.4.3.6.1 4 AreaID 64 rc default=10.90.90.90
column 1.3.6.1.4.1.171.11.69.4.3.6.1 5 Status 2 rc range=1,4,6 default=1
row 1.3.6.1.4.1.171.11.69.4.3.6.1 10.255.0.1.0 1 0.0.0.0 1
row 1.3.6.1.4.1.171.11.69.4.3.6.1 192.168.10.200.0 10 0.0.0.1 1
# VRRP: virtual router 20 on interface 2 (master, 10.1.2.254), 10 on interface 3 (backup, 192.168.10.254)
object 1.3.6.1.2.1.68.1.1.0 vrrpNodeVersion Integer ro value=2
object 1.3.6.1.2.1.68.1.2.0 vrrpNotificationCntl Integer rw range=1,2 value=2
table 1.3.6.1.2.1.68.1.3.1 vrrpOperEntry
column 1.3.6.1.2.1.68.1.3.1 0 Index 2 na index
column 1.3.6.1.2.1.68.1.3.1 1 VRID 2 na index
column 1.3.6.1.2.1.68.1.3.1 2 VirtualMACAddress 73 ro default=hex:0050BA000001
column 1.3.6.1.2.1.68.1.3.1 3 VirtualRouterState 2 ro range=1,2,3 default=1
column 1.3.6.1.2.1.68.1.3.1 4 AdministrateState 2 rw range=1,2 default=1
column 1.3.6.1.2.1.68.1.3.1 5 VirtualRouterPriority 2 rw default=1
column 1.3.6.1.2.1.68.1.3.1 6 IPAddressCount 2 ro default=1
column 1.3.6.1.2.1.68.1.3.1 7 MasterIPAddress 64 ro default=10.90.90.90
column 1.3.6.1.2.1.68.1.3.1 8 PrimaryIPAddress 64 rw default=10.90.90.90
column 1.3.6.1.2.1.68.1.3.1 9 AuthenticationType 2 rw range=1,2,3 default=1
column 1.3.6.1.2.1.68.1.3.1 10 AuthenticationKey 76 rw default="Authentication Key"
column 1.3.6.1.2.1.68.1.3.1 11 AdvertisementInterval 2 rw default=1
column 1.3.6.1.2.1.68.1.3.1 12 PreemptMode 2 rw range=1,2 default=1
column 1.3.6.1.2.1.68.1.3.1 13 VirtualRouterUpTime 67 ro default=360000
column 1.3.6.1.2.1.68.1.3.1 14 OperateProtocol 2 rw range=1,2,3,4 default=1
column 1.3.6.1.2.1.68.1.3.1 15 RowStatus 2 rw range=1,4,6 default=1
row 1.3.6.1.2.1.68.1.3.1 2.20 hex:00005E000114 3 1 200 1 10.1.2.1 10.1.2.1 1 "" 1 1 8640000 1 1
row 1.3.6.1.2.1.68.1.3.1 3.10 hex:00005E00010A 2 1 100 1 192.168.10.2 192.168.10.1 1 "" 1 1 8639000 1 1
table 1.3.6.1.2.1.68.1.4.1 vrrpAssoIpAddrEntry status=2 create=4:1 destroy=6 index=0,3,1
column 1.3.6.1.2.1.68.1.4.1 0 Index 2 na index
column 1.3.6.1.2.1.68.1.4.1 1 AssoIPAddr 64 na index
column 1.3.6.1.2.1.68.1.4.1 2 AssoIPAddrRowStatus 2 rc range=1,4,6 default=1
column 1.3.6.1.2.1.68.1.4.1 3 OperVRID 2 na index
row 1.3.6.1.2.1.68.1.4.1 2.20.10.1.2.254 1
row 1.3.6.1.2.1.68.1.4.1 3.10.192.168.10.254 1
object 1.3.6.1.2.1.68.2.1.0 vrrpRouterChecksumErrors Counter32 ro value=0
object 1.3.6.1.2.1.68.2.2.0 vrrpRouterVersionErrors Counter32 ro value=0
object 1.3.6.1.2.1.68.2.3.0 vrrpRouterVrIdErrors Counter32 ro value=2
table 1.3.6.1.2.1.68.2.4.1 vrrpRouterStatsEntry
column 1.3.6.1.2.1.68.2.4.1 0 Index 2 na index
column 1.3.6.1.2.1.68.2.4.1 1 BecomeMasterTime 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 2 AdvertisementReceived 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 3 AdvertisementIntervalErrors 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 4 AuthenticationFailures 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 5 IPTTLErrors 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 6 PriorityZeroPacketsReceived 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 7 PriorityZeroPacketsSent 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 8 InvalidTypePacketsReceived 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 9 AddressListErrors 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 10 InvalidAuthenticationType 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 11 AuthenticationTypeMismatch 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 12 PacketLengthErrors 65 ro default=1000
column 1.3.6.1.2.1.68.2.4.1 13 VRID 2 na index
row 1.3.6.1.2.1.68.2.4.1 2.20 1 12 0 0 0 0 1 0 0 0 0 0
row 1.3.6.1.2.1.68.2.4.1 3.10 2 86390 0 0 0 0 0 0 0 0 0 0
