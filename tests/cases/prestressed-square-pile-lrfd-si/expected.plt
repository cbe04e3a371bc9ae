    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    3                                                                           Line 3 : Total number of axial thrusts for LRFD
  111            7.5000000E+02  4.4004654E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  3.7468425E+00  7.6135839E+04  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  8.8730673E+00  9.0150362E+04  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  1.3999002E+01  9.4819908E+04  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  1.9124496E+01  9.7152437E+04  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  2.4249395E+01  9.8549540E+04  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  2.9373548E+01  9.9478414E+04  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  3.4496802E+01  1.0013929E+05  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  3.9619005E+01  1.0063227E+05  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  4.4740005E+01  1.0101299E+05  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  4.9859648E+01  1.0131480E+05  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  5.4977784E+01  1.0155896E+05  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  6.0094258E+01  1.0175961E+05  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  6.5208918E+01  1.0192655E+05  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  7.0321611E+01  1.0206679E+05  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  7.5432185E+01  1.0218547E+05  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  8.0540487E+01  1.0228642E+05  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  8.5646363E+01  1.0237259E+05  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  9.0749660E+01  1.0244628E+05  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  9.5850225E+01  1.0250929E+05  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  1.0094790E+02  1.0256307E+05  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  1.0604254E+02  1.0260878E+05  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  1.1113399E+02  1.0264739E+05  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  1.1622209E+02  1.0267969E+05  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  1.2130669E+02  1.0270633E+05  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  1.2638763E+02  1.0272787E+05  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  1.3146477E+02  1.0274477E+05  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  1.3653793E+02  1.0275744E+05  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  1.4160698E+02  1.0276621E+05  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  1.4667176E+02  1.0277138E+05  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  1.5173210E+02  1.0277321E+05  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  1.5678786E+02  1.0277191E+05  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  1.6183888E+02  1.0276769E+05  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  1.6688501E+02  1.0276071E+05  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  1.7192607E+02  1.0275111E+05  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  1.7695129E+02  1.0273286E+05  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  1.8179768E+02  1.0261469E+05  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  1.8646970E+02  1.0240714E+05  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  1.9097197E+02  1.0211975E+05  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  1.9530934E+02  1.0176117E+05  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  1.9947634E+02  1.0133398E+05  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  2.0737377E+02  1.0032940E+05  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  2.1474802E+02  9.9174537E+04  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  2.2164881E+02  9.7910952E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  2.2811887E+02  9.6570320E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  2.3422946E+02  9.5190852E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  2.3998802E+02  9.3779934E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  2.4547306E+02  9.2370601E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  2.5068398E+02  9.0962473E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  2.5566069E+02  8.9569400E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  2.6041352E+02  8.8193379E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  2.6495691E+02  8.6837488E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  2.6930492E+02  8.5504310E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  2.7347128E+02  8.4196006E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  2.7746937E+02  8.2914374E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  2.8131217E+02  8.1660902E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  2.8501232E+02  8.0436808E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  2.8858208E+02  7.9243078E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  2.9203334E+02  7.8080491E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  2.9537759E+02  7.6949649E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  2.9861578E+02  7.5848407E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  3.0173078E+02  7.4770358E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  3.0476573E+02  7.3724282E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  3.0773091E+02  7.2710371E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  3.1057815E+02  7.1715318E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  3.1337194E+02  7.0752420E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  3.1609611E+02  6.9816009E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  3.1873570E+02  6.8901163E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  3.2133839E+02  6.8016626E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  3.2383906E+02  6.7147036E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  3.2632090E+02  6.6308405E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  3.2870364E+02  6.5482920E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  3.3107642E+02  6.4687239E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  3.3335173E+02  6.3902896E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  3.3561748E+02  6.3145806E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  3.3780474E+02  6.2401748E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  3.3996822E+02  6.1679948E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  3.4208320E+02  6.0974830E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  3.4414926E+02  6.0285456E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  3.4620606E+02  5.9617857E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  3.4818005E+02  5.8958488E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  3.5582329E+02  5.6486946E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  3.6297110E+02  5.4232152E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  3.6966453E+02  5.2163772E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  3.7598523E+02  5.0263288E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  3.8197191E+02  4.8510432E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  3.8766075E+02  4.6888491E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  3.9305385E+02  4.5379853E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  3.9819143E+02  4.3974184E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  4.0311468E+02  4.2662970E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  4.0781565E+02  4.1434069E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  4.1229204E+02  4.0277760E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  4.1659150E+02  3.9190459E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  4.2065103E+02  3.8159057E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  4.2447130E+02  3.7177831E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  4.2805228E+02  3.6241759E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  4.3140729E+02  3.5347565E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  4.3458810E+02  3.4495430E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  4.3758407E+02  3.3680713E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  4.4040561E+02  3.2900889E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  4.4309133E+02  3.2155770E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  4.4565078E+02  3.1443138E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  4.4808274E+02  3.0760274E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  4.5037480E+02  3.0103999E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  4.5256752E+02  2.9474910E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  4.5466840E+02  2.8871443E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  4.5666415E+02  2.8290901E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  4.5836990E+02  2.7720465E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  4.5966392E+02  2.7152241E+04  1.6929134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  4.6069702E+02  2.6594782E+04  1.7322835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  4.6160049E+02  2.6054783E+04  1.7716536E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  4.6238132E+02  2.5531490E+04  1.8110236E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  111            8.0000000E+02  4.4170387E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  3.7282544E+00  7.5758129E+04  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=1
  8.8341827E+00  8.9755295E+04  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=2
  1.3939820E+01  9.4419048E+04  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=3
  1.9045014E+01  9.6748671E+04  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=4
  2.4149612E+01  9.8144021E+04  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=5
  2.9253460E+01  9.9071717E+04  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=6
  3.4356406E+01  9.9731737E+04  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=7
  3.9458297E+01  1.0022407E+05  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=8
  4.4558979E+01  1.0060427E+05  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=9
  4.9658301E+01  1.0090567E+05  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=10
  5.4756107E+01  1.0114946E+05  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=11
  5.9852246E+01  1.0134980E+05  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=12
  6.4946564E+01  1.0151647E+05  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=13
  7.0038908E+01  1.0165647E+05  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=14
  7.5129124E+01  1.0177492E+05  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=15
  8.0217058E+01  1.0187566E+05  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=16
  8.5302557E+01  1.0196164E+05  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=17
  9.0385467E+01  1.0203515E+05  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=18
  9.5465634E+01  1.0209798E+05  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=19
  1.0054290E+02  1.0215159E+05  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=20
  1.0561712E+02  1.0219714E+05  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=21
  1.1068813E+02  1.0223559E+05  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=22
  1.1575579E+02  1.0226772E+05  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=23
  1.2081992E+02  1.0229420E+05  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=24
  1.2588039E+02  1.0231558E+05  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=25
  1.3093703E+02  1.0233233E+05  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=26
  1.3598970E+02  1.0234484E+05  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=27
  1.4103822E+02  1.0235345E+05  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=28
  1.4608246E+02  1.0235846E+05  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=29
  1.5112224E+02  1.0236013E+05  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=30
  1.5615743E+02  1.0235867E+05  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=31
  1.6118785E+02  1.0235428E+05  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=32
  1.6621336E+02  1.0234713E+05  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=33
  1.7123379E+02  1.0233737E+05  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=34
  1.7624899E+02  1.0232513E+05  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=35
  1.8121779E+02  1.0228738E+05  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=36
  1.8601096E+02  1.0215521E+05  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=37
  1.9063302E+02  1.0193850E+05  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=38
  1.9508860E+02  1.0164616E+05  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=39
  1.9936874E+02  1.0127932E+05  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=40
  2.0748356E+02  1.0038252E+05  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=41
  2.1505812E+02  9.9317747E+04  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=42
  2.2215431E+02  9.8134251E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=43
  2.2879512E+02  9.6856598E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=44
  2.3506167E+02  9.5529063E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=45
  2.4098060E+02  9.4167802E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=46
  2.4658337E+02  9.2788407E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=47
  2.5191776E+02  9.1410157E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=48
  2.5702235E+02  9.0046448E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=49
  2.6189736E+02  8.8695906E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=50
  2.6653729E+02  8.7355447E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=51
  2.7098036E+02  8.6036263E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=52
  2.7524234E+02  8.4741276E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=53
  2.7933655E+02  8.3472333E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=54
  2.8327596E+02  8.2230964E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=55
  2.8707316E+02  8.1018424E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=56
  2.9071882E+02  7.9829816E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=57
  2.9423730E+02  7.8669761E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=58
  2.9764298E+02  7.7539812E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=59
  3.0094723E+02  7.6440597E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=60
  3.0415123E+02  7.5370158E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=61
  3.0723246E+02  7.4320994E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=62
  3.1023891E+02  7.3302960E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=63
  3.1317187E+02  7.2314231E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=64
  3.1599546E+02  7.1344752E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=65
  3.1877084E+02  7.0406776E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=66
  3.2146338E+02  6.9490806E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=67
  3.2409049E+02  6.8599152E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=68
  3.2666208E+02  6.7732381E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=69
  3.2915583E+02  6.6884465E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=70
  3.3161052E+02  6.6062017E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=71
  3.3398809E+02  6.5256134E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=72
  3.3633103E+02  6.4474024E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=73
  3.3860934E+02  6.3708720E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=74
  3.4084559E+02  6.2963476E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=75
  3.4304077E+02  6.2237397E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=76
  3.4517529E+02  6.1525981E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=77
  3.4730009E+02  6.0837394E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=78
  3.4934028E+02  6.0157579E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=79
  3.5136842E+02  5.9498385E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=80
  3.5910088E+02  5.7007264E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=81
  3.6630566E+02  5.4730374E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=82
  3.7307312E+02  5.2644762E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=83
  3.7944571E+02  5.0725900E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=84
  3.8546356E+02  4.8953871E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=85
  3.9116432E+02  4.7312255E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=86
  3.9658296E+02  4.5787304E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=87
  4.0175172E+02  4.4367364E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=88
  4.0664208E+02  4.3036286E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=89
  4.1132180E+02  4.1790295E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=90
  4.1579537E+02  4.0620009E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=91
  4.2003527E+02  3.9514428E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=92
  4.2405348E+02  3.8467708E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=93
  4.2779000E+02  3.7468503E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=94
  4.3128945E+02  3.6515840E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=95
  4.3459557E+02  3.5608798E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=96
  4.3766965E+02  3.4740028E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=97
  4.4058516E+02  3.3911706E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=98
  4.4334928E+02  3.3120799E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=99
  4.4595336E+02  3.2363472E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=100
  4.4841154E+02  3.1637925E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=101
  4.5075365E+02  3.0943629E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=102
  4.5298803E+02  3.0278673E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=103
  4.5511379E+02  2.9640744E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=104
  4.5713334E+02  2.9027967E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=105
  4.5905415E+02  2.8438964E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=106
  4.6081057E+02  2.7868067E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=107
  4.6219779E+02  2.7301916E+04  1.6929134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=108
  4.6325111E+02  2.6742223E+04  1.7322835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=109
  4.6411362E+02  2.6196635E+04  1.7716536E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=110
  4.6487902E+02  2.5669407E+04  1.8110236E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=111
  107            1.1000000E+03  4.5056179E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  3.6151755E+00  7.3460365E+04  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=1
  8.5976023E+00  8.7351638E+04  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=2
  1.3579731E+01  9.1980045E+04  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=3
  1.8561406E+01  9.4291940E+04  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=4
  2.3542469E+01  9.5676593E+04  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=5
  2.8522765E+01  9.6597095E+04  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=6
  3.3502136E+01  9.7251913E+04  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=7
  3.8480426E+01  9.7740281E+04  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=8
  4.3457478E+01  9.8117327E+04  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=9
  4.8433135E+01  9.8416129E+04  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=10
  5.3407241E+01  9.8657738E+04  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=11
  5.8379637E+01  9.8856184E+04  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=12
  6.3350168E+01  9.9021184E+04  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=13
  6.8318675E+01  9.9159676E+04  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=14
  7.3285003E+01  9.9276749E+04  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=15
  7.8248992E+01  9.9376219E+04  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=16
  8.3210486E+01  9.9461003E+04  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=17
  8.8169327E+01  9.9533373E+04  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=18
  9.3125357E+01  9.9595118E+04  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=19
  9.8078419E+01  9.9647672E+04  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=20
  1.0302835E+02  9.9692196E+04  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=21
  1.0797500E+02  9.9729637E+04  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=22
  1.1291821E+02  9.9760781E+04  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=23
  1.1785781E+02  9.9786279E+04  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=24
  1.2279365E+02  9.9806680E+04  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=25
  1.2772557E+02  9.9822448E+04  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=26
  1.3265342E+02  9.9833978E+04  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=27
  1.3757702E+02  9.9841608E+04  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=28
  1.4249623E+02  9.9845631E+04  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=29
  1.4741087E+02  9.9846297E+04  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=30
  1.5232080E+02  9.9843827E+04  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=31
  1.5722585E+02  9.9838414E+04  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=32
  1.6212586E+02  9.9830226E+04  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=33
  1.6702067E+02  9.9819411E+04  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=34
  1.7191012E+02  9.9806101E+04  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=35
  1.7679404E+02  9.9790413E+04  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=36
  1.8167228E+02  9.9772451E+04  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=37
  1.8654467E+02  9.9752308E+04  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=38
  1.9141106E+02  9.9730067E+04  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=39
  1.9627127E+02  9.9705802E+04  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=40
  2.0568731E+02  9.9513481E+04  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=41
  2.1449659E+02  9.9058423E+04  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=42
  2.2274183E+02  9.8393781E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=43
  2.3047518E+02  9.7567824E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=44
  2.3775849E+02  9.6625049E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=45
  2.4460971E+02  9.5585946E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=46
  2.5109473E+02  9.4486017E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=47
  2.5723013E+02  9.3337790E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=48
  2.6307494E+02  9.2166944E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=49
  2.6860975E+02  9.0969168E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=50
  2.7389454E+02  8.9766727E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=51
  2.7896788E+02  8.8572302E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=52
  2.8383779E+02  8.7387633E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=53
  2.8850689E+02  8.6212645E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=54
  2.9298693E+02  8.5049920E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=55
  2.9729167E+02  8.3902315E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=56
  3.0143449E+02  8.2772280E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=57
  3.0542838E+02  8.1661903E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=58
  3.0928598E+02  8.0572961E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=59
  3.1301886E+02  7.9506789E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=60
  3.1659751E+02  7.8454406E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=61
  3.2006948E+02  7.7426329E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=62
  3.2344611E+02  7.6423544E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=63
  3.2671665E+02  7.5441844E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=64
  3.2987073E+02  7.4477479E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=65
  3.3295619E+02  7.3539888E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=66
  3.3594201E+02  7.2620656E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=67
  3.3884150E+02  7.1721450E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=68
  3.4168651E+02  7.0847651E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=69
  3.4442012E+02  6.9986169E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=70
  3.4712400E+02  6.9152545E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=71
  3.4972133E+02  6.8330167E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=72
  3.5229634E+02  6.7534542E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=73
  3.5477412E+02  6.6750093E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=74
  3.5723842E+02  6.5991677E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=75
  3.5959861E+02  6.5241460E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=76
  3.6194621E+02  6.4515324E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=77
  3.6421308E+02  6.3800084E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=78
  3.6644752E+02  6.3103504E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=79
  3.6863784E+02  6.2422673E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=80
  3.7692821E+02  5.9837353E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=81
  3.8462541E+02  5.7467561E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=82
  3.9173870E+02  5.5278683E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=83
  3.9838393E+02  5.3257640E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=84
  4.0460400E+02  5.1384708E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=85
  4.1043922E+02  4.9643600E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=86
  4.1592691E+02  4.8020652E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=87
  4.2106930E+02  4.6500696E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=88
  4.2589419E+02  4.5073801E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=89
  4.3045190E+02  4.3733912E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=90
  4.3463335E+02  4.2460334E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=91
  4.3847551E+02  4.1249177E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=92
  4.4202053E+02  4.0097577E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=93
  4.4529617E+02  3.9001802E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=94
  4.4831255E+02  3.7957129E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=95
  4.5113827E+02  3.6964232E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=96
  4.5374752E+02  3.6016209E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=97
  4.5618365E+02  3.5112317E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=98
  4.5847278E+02  3.4250613E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=99
  4.6061724E+02  3.3427650E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=100
  4.6259817E+02  3.2638871E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=101
  4.6446337E+02  3.1884782E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=102
  4.6622106E+02  3.1163197E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=103
  4.6787746E+02  3.0472019E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=104
  4.6942099E+02  2.9808232E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=105
  4.7087616E+02  2.9171352E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=106
  4.7223960E+02  2.8559252E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=107
    0                                                                           Line 6 : number of output p-y curves
    3  121    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  1.6571755E-02 -5.2302056E-11  4.2500000E+01 -7.3150553E+00  8.4797107E+04 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  1.5883520E-02  7.0497638E+00  4.1360058E+01 -7.8841725E+00  8.4797107E+04 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  1.5197156E-02  1.3920076E+01  4.0135438E+01 -8.4440917E+00  8.4797107E+04 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  1.4514485E-02  2.0596333E+01  3.8827614E+01 -8.9935672E+00  9.4933504E+04 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  1.3836696E-02  2.7064866E+01  3.7438254E+01 -9.5312302E+00  9.6361021E+04 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  1.3165227E-02  3.3311994E+01  3.5969231E+01 -1.0055747E+01  9.7230359E+04 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  1.2501466E-02  3.9324388E+01  3.4422617E+01 -1.0565772E+01  9.7810712E+04 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  1.1846751E-02  4.5089102E+01  3.2800688E+01 -1.1059946E+01  9.8222367E+04 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  1.1202365E-02  5.0593606E+01  3.1105925E+01 -1.1536897E+01  9.8526756E+04 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  1.0569532E-02  5.5825820E+01  2.9341014E+01 -1.1995245E+01  9.8758575E+04 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  9.9494188E-03  6.0774151E+01  2.7508851E+01 -1.2433594E+01  9.8938969E+04 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  9.3431260E-03  6.5427522E+01  2.5612541E+01 -1.2850542E+01  9.9081597E+04 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  8.7516908E-03  6.9775414E+01  2.3655400E+01 -1.3244674E+01  9.9195712E+04 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  8.1760823E-03  7.3807890E+01  2.1640957E+01 -1.3614563E+01  9.9287845E+04 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  7.6171998E-03  7.7515641E+01  1.9572957E+01 -1.3958773E+01  9.9362311E+04 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  7.0758702E-03  8.0890011E+01  1.7455359E+01 -1.4275856E+01  9.9422624E+04 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  6.5528466E-03  8.3923037E+01  1.5292344E+01 -1.4564352E+01  9.9471919E+04 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  6.0488059E-03  8.6607484E+01  1.3088308E+01 -1.4822785E+01  9.9511459E+04 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  5.5643475E-03  8.8936879E+01  1.0847875E+01 -1.5049665E+01  9.9543378E+04 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  5.0999918E-03  9.0905542E+01  8.5758889E+00 -1.5243479E+01  9.9568282E+04 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  4.6561784E-03  9.2508631E+01  6.2774258E+00 -1.5402695E+01  9.9587788E+04 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  4.2332657E-03  9.3742169E+01  3.9577929E+00 -1.5525745E+01  9.9601959E+04 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  3.8315292E-03  9.4603083E+01  1.6225348E+00 -1.5611028E+01  9.9611364E+04 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  3.4511615E-03  9.5089244E+01 -7.2255907E-01 -1.5656890E+01  9.9616600E+04 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  3.0922712E-03  9.5199499E+01 -3.0714468E+00 -1.5661612E+01  9.9617780E+04 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  2.7548830E-03  9.4933716E+01 -5.4178219E+00 -1.5623389E+01  9.9614930E+04 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  2.4389374E-03  9.4292820E+01 -7.7550985E+00 -1.5540299E+01  9.9607993E+04 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  2.1442912E-03  9.3278838E+01 -1.0076390E+01 -1.5410260E+01  9.9596824E+04 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.8707178E-03  9.1894944E+01 -1.2374483E+01 -1.5230975E+01  9.9580397E+04 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  1.6179078E-03  9.0145514E+01 -1.4640999E+01 -1.4989241E+01  9.9558791E+04 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  1.3854704E-03  8.8036417E+01 -1.6844741E+01 -1.4393977E+01  9.9531530E+04 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  1.1729344E-03  8.5581563E+01 -1.8956894E+01 -1.3768063E+01  9.9496631E+04 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  9.7975176E-04  8.2795639E+01 -2.0972669E+01 -1.3108950E+01  9.9454288E+04 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  8.0530032E-04  7.9694160E+01 -2.2886819E+01 -1.2413047E+01  9.9401977E+04 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  6.4888794E-04  7.6293544E+01 -2.4693434E+01 -1.1675149E+01  9.9338542E+04 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  5.0975591E-04  7.2611228E+01 -2.6385626E+01 -1.0887415E+01  9.9261772E+04 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.8708292E-04  6.8665841E+01 -2.7954990E+01 -1.0037440E+01  9.9168381E+04 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  2.7998930E-04  6.4477475E+01 -2.9390612E+01 -9.1041822E+00  9.9054418E+04 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  1.8754160E-04  6.0068153E+01 -3.0677027E+01 -8.0480211E+00  9.8915203E+04 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  1.0875745E-04  5.5462721E+01 -3.1789137E+01 -6.7801048E+00  9.8743948E+04 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  4.2611158E-05  5.0690836E+01 -3.2547687E+01 -3.3338970E+00  9.8531471E+04 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00 -1.1959709E-05  4.5831204E+01 -3.2725795E+01  9.5912078E-01  9.8267677E+04 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00 -5.6036768E-05  4.0981610E+01 -3.2308596E+01  4.6035326E+00  9.7940767E+04 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00 -9.0699094E-05  3.6225239E+01 -3.1391192E+01  7.6285194E+00  9.7534981E+04 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00 -1.1700475E-04  3.1631317E+01 -3.0063811E+01  1.0069897E+01  9.7028947E+04 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00 -1.3597543E-04  2.7255899E+01 -2.8410927E+01  1.1968557E+01  9.6393166E+04 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00 -1.4858406E-04  2.3142776E+01 -2.6510610E+01  1.3369000E+01  9.5586050E+04 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00 -1.5574512E-04  1.9324463E+01 -2.4434088E+01  1.4317961E+01  9.4547041E+04 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -1.5830741E-04  1.5823245E+01 -2.2245504E+01  1.4863166E+01  9.3186729E+04 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -1.5704916E-04  1.2652246E+01 -2.0001850E+01  1.5052219E+01  9.1367160E+04 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -1.5267518E-04  9.8164951E+00 -1.7753061E+01  1.4931632E+01  8.8864421E+04 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -1.4581571E-04  7.3139714E+00 -1.5542239E+01  1.4545992E+01  8.5296782E+04 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -1.3702693E-04  5.1366103E+00 -1.3405993E+01  1.3937283E+01  7.9958277E+04 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -1.2679272E-04  3.2712481E+00 -1.1374871E+01  1.3144348E+01  7.3460365E+04 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -1.1555658E-04  1.7005316E+00 -9.4736289E+00  1.2205548E+01  7.3460365E+04 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -1.0379957E-04  4.0386695E-01 -7.7207059E+00  1.1166758E+01  7.3460365E+04 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -9.1918875E-05 -6.4168168E-01 -6.1280671E+00  1.0068426E+01  7.3460365E+04 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -8.0234714E-05 -1.4604745E+00 -4.7020205E+00  8.9455288E+00  7.3460365E+04 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -6.8997879E-05 -2.0775009E+00 -3.4440305E+00  7.8276714E+00  7.3460365E+04 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -5.8397356E-05 -2.5177048E+00 -2.3515085E+00  6.7392885E+00  7.3460365E+04 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -4.8567976E-05 -2.8054264E+00 -1.4185666E+00  5.6999376E+00  7.3460365E+04 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -3.9597862E-05 -2.9639542E+00 -6.3672186E-01  4.7246585E+00  7.3460365E+04 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -3.1535571E-05 -3.0151786E+00  4.4561617E-03  3.8243818E+00  7.3460365E+04 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -2.4396792E-05 -2.9793385E+00  5.1676239E-01  3.0063679E+00  7.3460365E+04 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -1.8170547E-05 -2.8748514E+00  9.1283961E-01  2.2746618E+00  7.3460365E+04 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -1.2824834E-05 -2.7182158E+00  1.2057304E+00  1.6305494E+00  7.3460365E+04 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -8.3116764E-06 -2.5239770E+00  1.4084970E+00  1.0730042E+00  7.3460365E+04 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -4.5715819E-06 -2.3047453E+00  1.5339059E+00  5.9911495E-01  7.3460365E+04 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -1.5374022E-06 -2.0712570E+00  1.5941760E+00  2.0448680E-01  7.3460365E+04 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01  8.6237705E-07 -1.8324698E+00  1.6007833E+00 -1.1638986E-01  7.3460365E+04 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01  2.7008935E-06 -1.5956841E+00  1.5643186E+00 -3.6980634E-01  7.3460365E+04 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01  4.0506717E-06 -1.3666814E+00  1.4943925E+00 -5.6254109E-01  7.3460365E+04 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01  4.9818524E-06 -1.1498754E+00  1.3995816E+00 -7.0160423E-01  7.3460365E+04 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01  5.5608404E-06 -9.4846808E-01  1.2874097E+00 -7.9402128E-01  7.3460365E+04 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01  5.8493244E-06 -7.6460669E-01  1.1643590E+00 -8.4665461E-01  7.3460365E+04 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01  5.9036189E-06 -5.9953743E-01  1.0359054E+00 -8.6606089E-01  7.3460365E+04 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01  5.7742824E-06 -4.5375254E-01  9.0657217E-01 -8.5838173E-01  7.3460365E+04 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01  5.5059672E-06 -3.2712836E-01  7.7999868E-01 -8.2926473E-01  7.3460365E+04 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  5.1374566E-06 -2.1905243E-01  6.5901796E-01 -7.8381148E-01  7.3460365E+04 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  4.7018530E-06 -1.2853845E-01  5.4574092E-01 -7.2654913E-01  7.3460365E+04 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  4.2268797E-06 -5.4328517E-02  4.4164307E-01 -6.6142213E-01  7.3460365E+04 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  3.7352661E-06  5.0177202E-03  3.4765137E-01 -5.9180063E-01  7.3460365E+04 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  3.2451895E-06  5.1046752E-02  2.6422864E-01 -5.2050243E-01  7.3460365E+04 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  2.7707478E-06  8.5347281E-02  1.9145405E-01 -4.4982537E-01  7.3460365E+04 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  2.3224470E-06  1.0949798E-01  1.2909810E-01 -3.8158733E-01  7.3460365E+04 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  1.9076840E-06  1.2502608E-01  7.6691184E-02 -3.1717155E-01  7.3460365E+04 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  1.5312150E-06  1.3337569E-01  3.3585203E-02 -2.5757486E-01  7.3460365E+04 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  1.1955973E-06  1.3588494E-01 -9.9220036E-04 -2.0345718E-01  7.3460365E+04 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  9.0159946E-07  1.3377061E-01 -2.7890777E-02 -1.5519051E-01  7.3460365E+04 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  6.4857391E-07  1.2811943E-01 -4.7998041E-02 -1.1290634E-01  7.3460365E+04 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  4.3478976E-07  1.1988469E-01 -6.2206546E-02 -7.6540389E-02  7.3460365E+04 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  2.5772480E-07  1.0988740E-01 -7.1387624E-02 -4.5873983E-02  7.3460365E+04 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  1.1431699E-07  9.8820923E-02 -7.6371041E-02 -2.0571571E-02  7.3460365E+04 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  1.1768058E-09  8.7258291E-02 -7.7929964E-02 -2.1407040E-04  7.3460365E+04 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01 -8.5237245E-08  7.5661443E-02 -7.6770615E-02  1.5672061E-02  7.3460365E+04 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01 -1.4847713E-07  6.4391726E-02 -7.3525958E-02  2.7590021E-02  7.3460365E+04 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01 -1.9199463E-07  5.3721089E-02 -6.8752808E-02  3.6051984E-02  7.3460365E+04 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01 -2.1905803E-07  4.3843522E-02 -6.2931735E-02  4.1562318E-02  7.3460365E+04 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01 -2.3269270E-07  3.4886336E-02 -5.6469232E-02  4.4604398E-02  7.3460365E+04 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01 -2.3564211E-07  2.6920995E-02 -4.9701601E-02  4.5630681E-02  7.3460365E+04 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01 -2.3034596E-07  1.9973275E-02 -4.2900124E-02  4.5055670E-02  7.3460365E+04 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01 -2.1893224E-07  1.4032577E-02 -3.6277096E-02  4.3251378E-02  7.3460365E+04 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01 -2.0322052E-07  9.0603079E-03 -2.9992372E-02  4.0544932E-02  7.3460365E+04 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01 -1.8473374E-07  4.9972471E-03 -2.4160157E-02  3.7217937E-02  7.3460365E+04 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -1.6471636E-07  1.7699061E-03 -1.8855767E-02  3.3507261E-02  7.3460365E+04 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -1.4415688E-07 -7.0411772E-04 -1.4122202E-02  2.9606940E-02  7.3460365E+04 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -1.2381307E-07 -2.5117482E-03 -9.9763640E-03  2.5670906E-02  7.3460365E+04 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -1.0423857E-07 -3.7409371E-03 -6.4148237E-03  2.1816298E-02  7.3460365E+04 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -8.5809871E-08 -4.4779988E-03 -3.4190641E-03  1.8127164E-02  7.3460365E+04 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -6.8752731E-08 -4.8056907E-03 -9.6015003E-04  1.4658357E-02  7.3460365E+04 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -5.3167514E-08 -4.8019504E-03  9.9719094E-04  1.1439522E-02  7.3460365E+04 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -3.9053075E-08 -4.5392031E-03  2.4910837E-03  8.4790475E-03  7.3460365E+04 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -2.6328938E-08 -4.0841478E-03  3.5596072E-03  5.7679332E-03  7.3460365E+04 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -1.4855725E-08 -3.4979380E-03  4.2384671E-03  3.2835313E-03  7.3460365E+04 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -4.4538872E-09 -2.8366702E-03  4.5592178E-03  9.9314559E-04  7.3460365E+04 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01  5.0791139E-09 -2.1521009E-03  4.5480166E-03 -1.1424959E-03  7.3460365E+04 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01  1.3952953E-08 -1.4925128E-03  4.2248892E-03 -3.1658693E-03  7.3460365E+04 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01  2.2369654E-08 -9.0365378E-04  3.6034985E-03 -5.1193401E-03  7.3460365E+04 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01  3.0509577E-08 -4.2967550E-04  2.6914089E-03 -7.0418545E-03  7.3460365E+04 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01  3.8517896E-08 -1.1399418E-04  1.4908513E-03 -8.9655796E-03  7.3460365E+04 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01  4.6491300E-08  0.0000000E+00  0.0000000E+00 -1.0912438E-02  7.3460365E+04 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 1
  0.0000000E+00  6.0758481E-02  4.2000000E+01  8.1000000E+01 -1.1279611E+01  1.0159056E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  5.8487616E-02  5.5726253E+01  7.9240926E+01 -1.2174716E+01  1.0159056E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  5.6229094E-02  6.9169318E+01  7.7348308E+01 -1.3060189E+01  1.0159056E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  5.3985891E-02  8.2307039E+01  7.5323713E+01 -1.3934404E+01  1.0231742E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  5.1760788E-02  9.5117661E+01  7.3168956E+01 -1.4795691E+01  1.0250065E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  4.9556564E-02  1.0757972E+02  7.0886103E+01 -1.5642351E+01  1.0262082E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  4.7375928E-02  1.1967214E+02  6.8477478E+01 -1.6472650E+01  1.0269801E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  4.5221510E-02  1.3137426E+02  6.5945668E+01 -1.7284818E+01  1.0274448E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  4.3095862E-02  1.4266589E+02  6.3293528E+01 -1.8077045E+01  1.0276732E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  4.1001449E-02  1.5352736E+02  6.0524189E+01 -1.8847479E+01  1.0277274E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  3.8940648E-02  1.6393955E+02  5.7641061E+01 -1.9594225E+01  1.0276473E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  3.6915741E-02  1.7388396E+02  5.4647844E+01 -2.0315337E+01  1.0274387E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  3.4928913E-02  1.8334271E+02  5.1548532E+01 -2.1008818E+01  1.0254479E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  3.2982314E-02  1.9229859E+02  4.8347424E+01 -2.1672624E+01  1.0200810E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  3.1078129E-02  2.0073502E+02  4.5049126E+01 -2.2304686E+01  1.0116721E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  2.9218590E-02  2.0863612E+02  4.1658556E+01 -2.2902918E+01  1.0012400E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  2.7405935E-02  2.1598674E+02  3.8180945E+01 -2.3465225E+01  9.8939368E+04 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  2.5642398E-02  2.2277255E+02  3.4621840E+01 -2.3989505E+01  9.7669862E+04 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  2.3930181E-02  2.2898010E+02  3.0987103E+01 -2.4473664E+01  9.6369053E+04 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  2.2271425E-02  2.3459691E+02  2.7282907E+01 -2.4915616E+01  9.5097564E+04 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  2.0668175E-02  2.3961148E+02  2.3515738E+01 -2.5313292E+01  9.3868967E+04 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  1.9122359E-02  2.4401343E+02  1.9692393E+01 -2.5664643E+01  9.2735474E+04 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  1.7635747E-02  2.4779352E+02  1.5819972E+01 -2.5967645E+01  9.1731050E+04 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  1.6209914E-02  2.5094375E+02  1.1905877E+01 -2.6220287E+01  9.0887527E+04 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  1.4846204E-02  2.5345744E+02  7.9578127E+00 -2.6420568E+01  9.0174322E+04 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  1.3545736E-02  2.5532923E+02  3.9837825E+00 -2.6566502E+01  8.9659418E+04 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  1.2309343E-02  2.5655522E+02 -7.9108835E-03 -2.6656077E+01  8.9303533E+04 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  1.1137589E-02  2.5713297E+02 -4.0086613E+00 -2.6687262E+01  8.9133444E+04 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.0030743E-02  2.5706157E+02 -8.0095531E+00 -2.6657962E+01  8.9154407E+04 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  8.9887725E-03  2.5634171E+02 -1.1999940E+01 -2.6547202E+01  8.9366810E+04 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  8.0113411E-03  2.5497614E+02 -1.5928595E+01 -2.5834865E+01  8.9755595E+04 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  7.0978273E-03  2.5298134E+02 -1.9747864E+01 -2.5088719E+01  9.0307569E+04 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  6.2473435E-03  2.5037478E+02 -2.3452614E+01 -2.4307945E+01  9.1043494E+04 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  5.4587360E-03  2.4717488E+02 -2.7037565E+01 -2.3491402E+01  9.1899708E+04 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  4.7306448E-03  2.4340103E+02 -3.0497238E+01 -2.2637576E+01  9.2890811E+04 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  4.0615101E-03  2.3907363E+02 -3.3825889E+01 -2.1744434E+01  9.3996907E+04 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.4496025E-03  2.3421405E+02 -3.7017415E+01 -2.0809242E+01  9.5194378E+04 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  2.8930533E-03  2.2884475E+02 -4.0065232E+01 -1.9828320E+01  9.6400682E+04 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  2.3899166E-03  2.2298924E+02 -4.2962111E+01 -1.8796735E+01  9.7623898E+04 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  1.9381737E-03  2.1667227E+02 -4.5699942E+01 -1.7707676E+01  9.8810929E+04 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  1.5357688E-03  2.0991987E+02 -5.3210742E+01 -8.2436331E+01  9.9918541E+04 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00  1.1806343E-03  2.0127720E+02 -6.5011321E+01 -7.4904724E+01  1.0109624E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00  8.7029606E-04  1.9091558E+02 -7.5595426E+01 -6.6216668E+01  1.0212329E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00  6.0202076E-04  1.7903254E+02 -8.4359283E+01 -5.0634762E+01  1.0268131E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00  3.7297588E-04  1.6598079E+02 -9.0564375E+01 -3.2099796E+01  1.0276193E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00  1.8027295E-04  1.5217953E+02 -9.4161931E+01 -1.5867625E+01  1.0277309E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00  2.0886509E-05  1.3799627E+02 -9.5492949E+01 -1.8792845E+00  1.0276003E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00 -1.0828471E-04  1.2374807E+02 -9.4887284E+01  9.9548304E+00  1.0271690E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -2.1034909E-04  1.0970352E+02 -9.2659477E+01  1.9749255E+01  1.0263690E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -2.8836432E-04  9.6085284E+01 -8.9105434E+01  2.7637990E+01  1.0251189E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -3.4529011E-04  8.3073091E+01 -8.4499881E+01  3.3769373E+01  1.0233046E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -3.8395013E-04  7.0807009E+01 -7.9094579E+01  3.8301330E+01  1.0207878E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -4.0700302E-04  5.9391002E+01 -7.3117197E+01  4.1397091E+01  1.0173403E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -4.1692069E-04  4.8896578E+01 -6.6770815E+01  4.3221334E+01  1.0126272E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -4.1597383E-04  3.9366486E+01 -6.0233954E+01  4.3936819E+01  1.0061086E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -4.0622328E-04  3.0818369E+01 -5.3661080E+01  4.3701500E+01  9.9686070E+04 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -3.8951676E-04  2.3248319E+01 -4.7183509E+01  4.2666108E+01  9.8322313E+04 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -3.6749012E-04  1.6634266E+01 -4.0910636E+01  4.0972208E+01  9.6184938E+04 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -3.4157231E-04  1.0939170E+01 -3.4931418E+01  3.8750696E+01  9.2499973E+04 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -3.1299363E-04  6.1139686E+00 -2.9316062E+01  3.6120716E+01  8.4989997E+04 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -2.8279635E-04  2.1002694E+00 -2.4117835E+01  3.3188979E+01  7.6135839E+04 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -2.5197839E-04 -1.1671433E+00 -1.9373782E+01  3.0065053E+01  7.6135839E+04 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -2.2150535E-04 -3.7578335E+00 -1.5104223E+01  2.6862397E+01  7.6195900E+04 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -1.9214197E-04 -5.7432876E+00 -1.1313748E+01  2.3677270E+01  8.3992262E+04 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -1.6431710E-04 -7.1948493E+00 -7.9952128E+00  2.0569872E+01  8.7407339E+04 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -1.3834431E-04 -8.1821997E+00 -5.1332902E+00  1.7589095E+01  8.9137751E+04 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -1.1443685E-04 -8.7722465E+00 -2.7061076E+00  1.4773339E+01  9.0011172E+04 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -9.2722179E-05 -9.0282486E+00 -6.8675015E-01  1.2151427E+01  9.0359238E+04 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -7.3255598E-05 -9.0091575E+00  9.5537542E-01  9.7435806E+00  9.0333872E+04 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01 -5.6032983E-05 -8.7691529E+00  2.2533266E+00  7.5624355E+00  9.0006846E+04 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01 -4.1002488E-05 -8.3573494E+00  3.2415638E+00  5.6140607E+00  8.9408046E+04 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01 -2.8075164E-05 -7.8176521E+00  3.9550409E+00  3.8989665E+00  8.8542087E+04 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01 -1.7134435E-05 -7.1887381E+00  4.4284441E+00  2.4130767E+00  8.7395347E+04 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01 -8.0444508E-06 -6.5041419E+00  4.6955737E+00  1.1486510E+00  8.5939098E+04 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01 -6.5733805E-07 -5.7924238E+00  4.7888585E+00  9.5145739E-02  8.4130401E+04 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01  5.1806375E-06 -5.0774032E+00  4.7389944E+00 -7.5999952E-01  8.1911793E+04 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01  9.6239229E-06 -4.3784365E+00  4.5746954E+00 -1.4306539E+00  7.9210394E+04 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01  1.2823497E-05 -3.7107267E+00  4.3225434E+00 -1.9313726E+00  7.6135839E+04 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  1.4926462E-05 -3.0856503E+00  4.0068930E+00 -2.2773004E+00  7.6135839E+04 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  1.6117541E-05 -2.5111293E+00  3.6493044E+00 -2.4905469E+00  7.6135839E+04 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  1.6566520E-05 -1.9920890E+00  3.2680887E+00 -2.5923291E+00  7.6135839E+04 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  1.6426788E-05 -1.5309346E+00  2.8784694E+00 -2.6025946E+00  7.6135839E+04 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  1.5834628E-05 -1.1279993E+00  2.4927938E+00 -2.5397476E+00  7.6135839E+04 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  1.4909116E-05 -7.8195826E-01  2.1207778E+00 -2.4204652E+00  7.6135839E+04 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  1.3752517E-05 -4.9020437E-01  1.7697734E+00 -2.2595935E+00  7.6135839E+04 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  1.2451050E-05 -2.4918268E-01  1.4450455E+00 -2.0701115E+00  7.6135839E+04 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  1.1075943E-05 -5.4683275E-02  1.1500509E+00 -1.8631509E+00  7.6135839E+04 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  9.6846767E-06  9.7907356E-02  8.8670998E-01 -1.6480608E+00  7.6135839E+04 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  8.3223441E-06  2.1339492E-01  6.5566729E-01 -1.4325084E+00  7.6135839E+04 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  7.0230748E-06  2.9660374E-01  4.5653378E-01 -1.2226050E+00  7.6135839E+04 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  5.8114593E-06  3.5223822E-01  2.8810971E-01 -1.0230493E+00  7.6135839E+04 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  4.7039387E-06  3.8477601E-01  1.4858485E-01 -8.3728227E-01  7.6135839E+04 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  3.7101288E-06  3.9838967E-01  3.5715293E-02 -6.6764510E-01  7.6135839E+04 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  2.8340528E-06  3.9689301E-01 -5.3023354E-02 -5.1553687E-01  7.6135839E+04 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01  2.0752684E-06  3.8370881E-01 -1.2030616E-01 -3.8156714E-01  7.6135839E+04 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01  1.4298793E-06  3.6185430E-01 -1.6885120E-01 -2.6570016E-01  7.6135839E+04 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01  8.9142694E-07  3.3394133E-01 -2.0133286E-01 -1.6738858E-01  7.6135839E+04 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01  4.5166243E-07  3.0218810E-01 -2.2031411E-01 -8.5694817E-02  7.6135839E+04 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01  1.0120189E-07  2.6843976E-01 -2.2819616E-01 -1.9399189E-02  7.6135839E+04 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01 -1.6992814E-07  2.3419544E-01 -2.2718319E-01  3.2905565E-02  7.6135839E+04 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01 -3.7184770E-07  2.0063959E-01 -2.1926026E-01  7.2733410E-02  7.6135839E+04 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01 -5.1447336E-07  1.6867577E-01 -2.0618246E-01  1.0163730E-01  7.6135839E+04 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01 -6.0725121E-07  1.3896141E-01 -1.8947312E-01  1.2115390E-01  7.6135839E+04 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01 -6.5896257E-07  1.1194220E-01 -1.7042959E-01  1.3275987E-01  7.6135839E+04 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -6.7759228E-07  8.7885287E-02 -1.5013471E-01  1.3783853E-01  7.6135839E+04 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -6.7024973E-07  6.6910258E-02 -1.2947263E-01  1.3765589E-01  7.6135839E+04 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -6.4313358E-07  4.9017655E-02 -1.0914758E-01  1.3334474E-01  7.6135839E+04 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -6.0153150E-07  3.4114446E-02 -8.9704542E-02  1.2589573E-01  7.6135839E+04 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -5.4984778E-07  2.2036329E-02 -7.1550794E-02  1.1615424E-01  7.6135839E+04 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -4.9165178E-07  1.2566798E-02 -5.4977566E-02  1.0482213E-01  7.6135839E+04 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -4.2974199E-07  5.4529793E-03 -4.0181160E-02  9.2463286E-02  7.6135839E+04 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -3.6622070E-07  4.1837627E-04 -2.7282986E-02  7.9512374E-02  7.6135839E+04 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -3.0257578E-07 -2.8272911E-03 -1.6348117E-02  6.6285882E-02  7.6135839E+04 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -2.3976639E-07 -4.5808995E-03 -7.4020440E-03  5.2995086E-02  7.6135839E+04 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -1.7831077E-07 -5.1411031E-03 -4.4537892E-04  3.9760449E-02  7.6135839E+04 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01 -1.1837447E-07 -4.8055571E-03  4.5336913E-03  2.6627153E-02  7.6135839E+04 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01 -5.9858330E-08 -3.8698350E-03  7.5493490E-03  1.3581616E-02  7.6135839E+04 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01 -2.4858208E-09 -2.6276689E-03  8.6106365E-03  5.6888507E-04  7.6135839E+04 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01  5.4110149E-08 -1.3721204E-03  7.7166238E-03 -1.2489055E-02  7.6135839E+04 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01  1.1030062E-07 -3.9727157E-04  4.8543936E-03 -2.5674014E-02  7.6135839E+04 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01  1.6637369E-07  0.0000000E+00  0.0000000E+00 -3.9051233E-02  7.6135839E+04 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 2
  0.0000000E+00  1.6748875E-02  9.0000000E+00  4.2000000E+01 -7.3410319E+00  9.5421102E+04 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  1.6039127E-02  1.5785211E+01  4.0856184E+01 -7.9098438E+00  9.5421102E+04 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  1.5333102E-02  2.2389474E+01  3.9627756E+01 -8.4692052E+00  9.5421102E+04 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  1.4632356E-02  2.8798955E+01  3.8316226E+01 -9.0178571E+00  9.9001833E+04 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  1.3938155E-02  3.5000299E+01  3.6923301E+01 -9.5544808E+00  9.9801490E+04 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  1.3251844E-02  4.0980355E+01  3.5450882E+01 -1.0077765E+01  1.0034711E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  1.2574723E-02  4.6726309E+01  3.3901071E+01 -1.0586383E+01  1.0074018E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  1.1908037E-02  5.2225722E+01  3.2276167E+01 -1.1078999E+01  1.0103425E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  1.1252982E-02  5.7466552E+01  3.0578673E+01 -1.1554263E+01  1.0126034E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  1.0610696E-02  6.2437196E+01  2.8811292E+01 -1.2010813E+01  1.0143770E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  9.9822599E-03  6.7126518E+01  2.6976935E+01 -1.2447278E+01  1.0157896E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  9.3686919E-03  7.1523880E+01  2.5078719E+01 -1.2862272E+01  1.0169274E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  8.7709490E-03  7.5619182E+01  2.3119969E+01 -1.3254402E+01  1.0178520E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  8.1899219E-03  7.9402887E+01  2.1104219E+01 -1.3622262E+01  1.0186039E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  7.6264342E-03  8.2866059E+01  1.9035216E+01 -1.3964435E+01  1.0192175E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  7.0812399E-03  8.6000398E+01  1.6916922E+01 -1.4279492E+01  1.0197224E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  6.5550213E-03  8.8798266E+01  1.4753511E+01 -1.4565990E+01  1.0201309E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  6.0483881E-03  9.1252732E+01  1.2549376E+01 -1.4822472E+01  1.0204636E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  5.5618751E-03  9.3357596E+01  1.0309131E+01 -1.5047465E+01  1.0207273E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  5.0959409E-03  9.5107429E+01  8.0376102E+00 -1.5239474E+01  1.0209377E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  4.6509671E-03  9.6497606E+01  5.7398761E+00 -1.5396980E+01  1.0210933E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  4.2272567E-03  9.7524339E+01  3.4212202E+00 -1.5518432E+01  1.0212038E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  3.8250337E-03  9.8184718E+01  1.0871698E+00 -1.5602240E+01  1.0212737E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  3.4444420E-03  9.8476742E+01 -1.2565054E+00 -1.5646763E+01  1.0213043E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  3.0855454E-03  9.8399357E+01 -3.6037846E+00 -1.5650293E+01  1.0212962E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  2.7483270E-03  9.7952499E+01 -5.9483840E+00 -1.5611032E+01  1.0212492E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  2.4326894E-03  9.7137127E+01 -8.2837414E+00 -1.5527066E+01  1.0211624E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  2.1384547E-03  9.5955274E+01 -1.0602995E+01 -1.5396317E+01  1.0210339E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.8653651E-03  9.4410088E+01 -1.2898956E+01 -1.5216490E+01  1.0208547E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  1.6130839E-03  9.2505884E+01 -1.5163272E+01 -1.4974388E+01  1.0206220E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  1.3811959E-03  9.0248442E+01 -1.7364792E+01 -1.4379221E+01  1.0203327E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  1.1692092E-03  8.7651546E+01 -1.9474749E+01 -1.3753536E+01  1.0199665E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  9.7655801E-04  8.4729727E+01 -2.1488371E+01 -1.3094758E+01  1.0195246E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  8.0260593E-04  8.1498317E+01 -2.3400423E+01 -1.2399260E+01  1.0189831E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  6.4664936E-04  7.7973528E+01 -2.5205001E+01 -1.1661784E+01  1.0183282E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  5.0792107E-04  7.4172565E+01 -2.6895216E+01 -1.0874419E+01  1.0175386E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.8559395E-04  7.0113807E+01 -2.8462646E+01 -1.0024645E+01  1.0165831E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  2.7878510E-04  6.5817080E+01 -2.9896335E+01 -9.0912139E+00  1.0154188E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  1.8656023E-04  6.1304133E+01 -3.1180732E+01 -8.0340791E+00  1.0140003E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  1.0793833E-04  5.6599538E+01 -3.2290528E+01 -6.7631959E+00  1.0122596E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  4.1897103E-05  5.1732706E+01 -3.3043620E+01 -3.2780293E+00  1.0101047E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00 -1.2620708E-05  4.6782899E+01 -3.3213562E+01  1.0121303E+00  1.0074350E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00 -5.6690051E-05  4.1847507E+01 -3.2788362E+01  4.6572011E+00  1.0041325E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00 -9.1382455E-05  3.7009400E+01 -3.1862623E+01  7.6859955E+00  1.0000398E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00 -1.1774808E-04  3.2337566E+01 -3.0526133E+01  1.0133870E+01  9.9494365E+04 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00 -1.3680077E-04  2.7887895E+01 -2.8863002E+01  1.2041203E+01  9.8855032E+04 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00 -1.4950600E-04  2.3704072E+01 -2.6951015E+01  1.3451952E+01  9.8044619E+04 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00 -1.5677146E-04  1.9818566E+01 -2.4861196E+01  1.4412314E+01  9.7003030E+04 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -1.5943997E-04  1.6253660E+01 -2.2657560E+01  1.4969500E+01  9.5641687E+04 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -1.5828475E-04  1.3022509E+01 -2.0397049E+01  1.5170644E+01  9.3824317E+04 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -1.5400661E-04  1.0130199E+01 -1.8129612E+01  1.5061846E+01  9.1330351E+04 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -1.4723280E-04  7.5747840E+00 -1.5898422E+01  1.4687356E+01  8.7785235E+04 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -1.3851753E-04  5.3482813E+00 -1.3740203E+01  1.4088895E+01  8.2499501E+04 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -1.2834362E-04  3.4376117E+00 -1.1685652E+01  1.3305127E+01  7.5758129E+04 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -1.1714875E-04  1.8254908E+00 -9.7597380E+00  1.2373720E+01  7.5758129E+04 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -1.0541172E-04  4.9134479E-01 -7.9811946E+00  1.1340192E+01  7.5758129E+04 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -9.3528752E-05 -5.8776361E-01 -6.3623228E+00  1.0244765E+01  7.5758129E+04 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -8.1820352E-05 -1.4362251E+00 -4.9097918E+00  9.1223146E+00  7.5758129E+04 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -7.0538507E-05 -2.0790933E+00 -3.6254342E+00  8.0024526E+00  7.5758129E+04 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -5.9874149E-05 -2.5414124E+00 -2.5070216E+00  6.9097163E+00  7.5758129E+04 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -4.9964585E-05 -2.8476590E+00 -1.5490046E+00  5.8638437E+00  7.5758129E+04 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -4.0900769E-05 -3.0212925E+00 -7.4320760E-01  4.8801161E+00  7.5758129E+04 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -3.2734271E-05 -3.0844055E+00 -7.9467608E-02  3.9697505E+00  7.5758129E+04 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -2.5483834E-05 -3.0574663E+00  4.5378782E-01  3.1403219E+00  7.5758129E+04 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -1.9141458E-05 -2.9591434E+00  8.6902728E-01  2.3962043E+00  7.5758129E+04 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -1.3677941E-05 -2.8062028E+00  1.1791686E+00  1.7390135E+00  7.5758129E+04 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -9.0478608E-06 -2.6134677E+00  1.3971978E+00  1.1680426E+00  7.5758129E+04 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -5.1939745E-06 -2.3938306E+00  1.5358521E+00  6.8068075E-01  7.5758129E+04 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -2.0510508E-06 -2.1583095E+00  1.6073636E+00  2.7280616E-01  7.5758129E+04 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01  4.5085978E-07 -1.9161374E+00  1.6232603E+00 -6.0849839E-02  7.5758129E+04 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01  2.3836817E-06 -1.6748792E+00  1.5942185E+00 -3.2637369E-01  7.5758129E+04 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01  3.8190680E-06 -1.4405664E+00  1.5299623E+00 -5.3037689E-01  7.5758129E+04 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01  4.8266093E-06 -1.2178449E+00  1.4392034E+00 -6.7974105E-01  7.5758129E+04 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01  5.4724533E-06 -1.0101281E+00  1.3296178E+00 -7.8140067E-01  7.5758129E+04 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01  5.8182915E-06 -8.1975288E-01  1.2078505E+00 -8.4216278E-01  7.5758129E+04 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01  5.9206648E-06 -6.4813153E-01  1.0795462E+00 -8.6856152E-01  7.5758129E+04 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01  5.8305444E-06 -4.9589882E-01  9.4939818E-01 -8.6674541E-01  7.5758129E+04 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01  5.5931432E-06 -3.6305006E-01  8.2121269E-01 -8.4239449E-01  7.5758129E+04 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  5.2479169E-06 -2.4906892E-01  6.9798329E-01 -8.0066419E-01  7.5758129E+04 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  4.8287177E-06 -1.5304354E-01  5.8197202E-01 -7.4615277E-01  7.5758129E+04 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  4.3640648E-06 -7.3770230E-02  4.7479389E-01 -6.8288887E-01  7.5758129E+04 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  3.8775024E-06 -9.8443963E-03  3.7750203E-01 -6.1433597E-01  7.5758129E+04 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  3.3880162E-06  4.0261217E-02  2.9067103E-01 -5.4341070E-01  7.5758129E+04 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  2.9104875E-06  7.8130524E-02  2.1447684E-01 -4.7251183E-01  7.5758129E+04 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  2.4561634E-06  1.0534975E-01  1.4877164E-01 -4.0355748E-01  7.5758129E+04 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  2.0331280E-06  1.2346390E-01  9.3152742E-02 -3.3802786E-01  7.5758129E+04 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  1.6467610E-06  1.3394310E-01  4.7024786E-02 -2.7701155E-01  7.5758129E+04 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  1.3001749E-06  1.3815770E-01  9.6549172E-03 -2.2125336E-01  7.5758129E+04 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  9.9462130E-07  1.3736128E-01 -1.9779248E-02 -1.7120218E-01  7.5758129E+04 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  7.2986371E-07  1.3268018E-01 -4.2148731E-02 -1.2705759E-01  7.5758129E+04 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  5.0451184E-07  1.2510875E-01 -5.8339120E-02 -8.8814264E-02  7.5758129E+04 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  3.1631700E-07  1.1550928E-01 -6.9222927E-02 -5.6303161E-02  7.5758129E+04 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  1.6242816E-07  1.0461554E-01 -7.5637860E-02 -2.9229273E-02  7.5758129E+04 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  3.9609917E-08  9.3039286E-02 -7.8370457E-02 -7.2053608E-03  7.5758129E+04 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01 -5.5575864E-08  8.1278806E-02 -7.8144479E-02  1.0218401E-02  7.5758129E+04 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01 -1.2662202E-07  6.9728928E-02 -7.5613431E-02  2.3528903E-02  7.5758129E+04 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01 -1.7695883E-07  5.8691883E-02 -7.1356617E-02  3.3228621E-02  7.5758129E+04 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01 -2.0986428E-07  4.8388537E-02 -6.5878123E-02  3.9817969E-02  7.5758129E+04 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01 -2.2839844E-07  3.8969598E-02 -5.9608182E-02  4.3781239E-02  7.5758129E+04 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01 -2.3535871E-07  3.0526478E-02 -5.2906404E-02  4.5575802E-02  7.5758129E+04 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01 -2.3325268E-07  2.3101560E-02 -4.6066402E-02  4.5624225E-02  7.5758129E+04 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01 -2.2428555E-07  1.6697699E-02 -3.9321414E-02  4.4308955E-02  7.5758129E+04 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01 -2.1035923E-07  1.1286821E-02 -3.2850553E-02  4.1969190E-02  7.5758129E+04 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01 -1.9308075E-07  6.8175690E-03 -2.6785394E-02  3.8899592E-02  7.5758129E+04 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -1.7377747E-07  3.2219377E-03 -2.1216636E-02  3.5350507E-02  7.5758129E+04 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -1.5351727E-07  4.2092733E-04 -1.6200645E-02  3.1529378E-02  7.5758129E+04 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -1.3313207E-07 -1.6707721E-03 -1.1765711E-02  2.7603071E-02  7.5758129E+04 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -1.1324308E-07 -3.1410054E-03 -7.9179158E-03  2.3700870E-02  7.5758129E+04 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -9.4286961E-08 -4.0772229E-03 -4.6465056E-03  1.9917932E-02  7.5758129E+04 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -7.6541769E-08 -4.5643182E-03 -1.9287349E-03  1.6319011E-02  7.5758129E+04 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -6.0152169E-08 -4.6831512E-03  2.6586649E-04  1.2942341E-02  7.5758129E+04 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -4.5153456E-08 -4.5096689E-03  1.9718074E-03  9.8035377E-03  7.5758129E+04 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -3.1494104E-08 -4.1145355E-03  3.2245334E-03  6.8994763E-03  7.5758129E+04 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -1.9056760E-08 -3.5631862E-03  4.0579000E-03  4.2120776E-03  7.5758129E+04 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -7.6776754E-09 -2.9162186E-03  4.5022057E-03  1.7119988E-03  7.5758129E+04 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01  2.8352991E-09 -2.2300381E-03  4.5827727E-03 -6.3777217E-04  7.5758129E+04 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01  1.2685957E-08 -1.5576777E-03  4.3190603E-03 -2.8783929E-03  7.5758129E+04 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01  2.2073988E-08 -9.4971100E-04  3.7243051E-03 -5.0516763E-03  7.5758129E+04 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01  3.1179957E-08 -4.5518137E-04  2.8056856E-03 -7.1965835E-03  7.5758129E+04 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01  4.0150738E-08 -1.2246671E-04  1.5650184E-03 -9.3456464E-03  7.5758129E+04 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01  4.9085147E-08  0.0000000E+00  0.0000000E+00 -1.1521266E-02  7.5758129E+04 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 3
  4.2500000E+01  1.6571755E-02  9.5199499E+01  4.2500000E+01 -4.5882314E-03     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  8.1000000E+01  6.0758481E-02  2.5713297E+02 -9.5492949E+01 -1.5170103E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  4.2000000E+01  1.6748875E-02  9.8476742E+01  4.2000000E+01 -4.7387245E-03     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
