    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    3                                                                           Line 3 : Total number of axial thrusts for LRFD
  114            7.5000000E+02  4.5524373E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  5.0895931E+00  1.0342053E+05  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  1.0179033E+01  1.0341897E+05  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  1.5268166E+01  1.0341638E+05  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  2.0356839E+01  1.0341274E+05  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  2.5444899E+01  1.0340807E+05  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  3.0532192E+01  1.0340236E+05  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  3.5618566E+01  1.0339561E+05  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  4.0703865E+01  1.0338782E+05  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  4.5787938E+01  1.0337899E+05  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  5.0870629E+01  1.0336912E+05  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  5.5951787E+01  1.0335821E+05  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  6.1031256E+01  1.0334626E+05  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  6.6108884E+01  1.0333327E+05  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  7.1184516E+01  1.0331924E+05  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  7.6257998E+01  1.0330417E+05  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  8.1329176E+01  1.0328805E+05  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  8.6397896E+01  1.0327090E+05  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  9.1464003E+01  1.0325270E+05  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  9.6527344E+01  1.0323345E+05  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  1.0158776E+02  1.0321317E+05  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  1.0664511E+02  1.0319183E+05  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  1.1169922E+02  1.0316946E+05  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  1.1674994E+02  1.0314603E+05  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  1.2179713E+02  1.0312157E+05  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  1.2684061E+02  1.0309605E+05  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  1.3188025E+02  1.0306948E+05  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  1.3691587E+02  1.0304187E+05  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  1.4194733E+02  1.0301321E+05  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  1.4697447E+02  1.0298349E+05  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  1.5199714E+02  1.0295273E+05  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  1.5701517E+02  1.0292091E+05  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  1.6202840E+02  1.0288804E+05  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  1.6703669E+02  1.0285411E+05  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  1.7203988E+02  1.0281913E+05  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  1.7703780E+02  1.0278309E+05  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  1.8203030E+02  1.0274599E+05  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  1.8701696E+02  1.0270769E+05  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  1.9199632E+02  1.0266751E+05  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  1.9696687E+02  1.0262479E+05  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  2.0192727E+02  1.0257905E+05  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  2.0885015E+02  1.0104369E+05  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  2.1658843E+02  1.0002447E+05  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  2.2383327E+02  9.8875911E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  2.3064146E+02  9.7638217E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  2.3702669E+02  9.6327647E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  2.4307988E+02  9.4988138E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  2.4878548E+02  9.3617053E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  2.5423282E+02  9.2250195E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  2.5943247E+02  9.0890824E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  2.6438527E+02  8.9538476E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  2.6912158E+02  8.8202427E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  2.7365570E+02  8.6885685E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  2.7800156E+02  8.5590782E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  2.8217271E+02  8.4319845E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  2.8618238E+02  8.3074655E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  2.9004338E+02  8.1856686E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  2.9376819E+02  8.0667155E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  2.9736888E+02  7.9507047E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  3.0083592E+02  7.8371614E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  3.0418167E+02  7.7262143E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  3.0743159E+02  7.6183048E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  3.1059652E+02  7.5134776E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  3.1364016E+02  7.4106605E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  3.1660413E+02  7.3106772E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  3.1950879E+02  7.2137984E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  3.2229837E+02  7.1185899E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  3.2504309E+02  7.0264634E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  3.2771029E+02  6.9365344E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  3.3031166E+02  6.8489110E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  3.3285784E+02  6.7636711E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  3.3533103E+02  6.6803201E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  3.3776084E+02  6.5993271E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  3.4012310E+02  6.5200955E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  3.4244170E+02  6.4429770E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  3.4470973E+02  6.3677288E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  3.4692218E+02  6.2941595E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  3.4911191E+02  6.2227666E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  3.5122315E+02  6.1524607E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  3.5332442E+02  6.0843663E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  3.5536454E+02  6.0175061E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  3.6318318E+02  5.7655329E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  3.7049454E+02  5.5356243E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  3.7731099E+02  5.3242772E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  3.8373100E+02  5.1298776E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  3.8979553E+02  4.9504032E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  3.9554172E+02  4.7841712E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  4.0097293E+02  4.6294146E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  4.0612638E+02  4.4850477E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  4.1104595E+02  4.3502362E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  4.1573167E+02  4.2238337E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  4.2017227E+02  4.1047598E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  4.2442879E+02  3.9927745E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  4.2835863E+02  3.8858247E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  4.3205390E+02  3.7841962E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  4.3549847E+02  3.6872204E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  4.3872336E+02  3.5947011E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  4.4177195E+02  3.5065648E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  4.4462720E+02  3.4222821E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  4.4731494E+02  3.3417057E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  4.4986624E+02  3.2647436E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  4.5229070E+02  3.1911621E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  4.5457889E+02  3.1206226E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  4.5672346E+02  3.0528357E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  4.5854992E+02  2.9864533E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  4.5992687E+02  2.9205356E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  4.6105410E+02  2.8562863E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  4.6205684E+02  2.7943437E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  4.6293919E+02  2.7345710E+04  1.6929134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  4.6369640E+02  2.6767928E+04  1.7322835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  4.6436569E+02  2.6210863E+04  1.7716536E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  4.6493869E+02  2.5672701E+04  1.8110236E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  4.6544182E+02  2.5153664E+04  1.8503937E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  4.6586077E+02  2.4651799E+04  1.8897638E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  4.6622000E+02  2.4167322E+04  1.9291339E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  114            8.0000000E+02  4.5664243E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  5.0691513E+00  1.0300515E+05  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=1
  1.0138149E+01  1.0300359E+05  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=2
  1.5206838E+01  1.0300098E+05  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=3
  2.0275066E+01  1.0299733E+05  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=4
  2.5342678E+01  1.0299264E+05  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=5
  3.0409520E+01  1.0298691E+05  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=6
  3.5475438E+01  1.0298013E+05  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=7
  4.0540279E+01  1.0297231E+05  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=8
  4.5603887E+01  1.0296344E+05  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=9
  5.0666110E+01  1.0295353E+05  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=10
  5.5726792E+01  1.0294258E+05  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=11
  6.0785779E+01  1.0293058E+05  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=12
  6.5842916E+01  1.0291754E+05  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=13
  7.0898050E+01  1.0290345E+05  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=14
  7.5951026E+01  1.0288832E+05  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=15
  8.1001688E+01  1.0287214E+05  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=16
  8.6049883E+01  1.0285492E+05  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=17
  9.1095454E+01  1.0283665E+05  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=18
  9.6138248E+01  1.0281732E+05  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=19
  1.0117811E+02  1.0279696E+05  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=20
  1.0621488E+02  1.0277554E+05  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=21
  1.1124841E+02  1.0275307E+05  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=22
  1.1627853E+02  1.0272956E+05  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=23
  1.2130510E+02  1.0270499E+05  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=24
  1.2632796E+02  1.0267937E+05  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=25
  1.3134696E+02  1.0265270E+05  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=26
  1.3636192E+02  1.0262497E+05  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=27
  1.4137271E+02  1.0259619E+05  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=28
  1.4637915E+02  1.0256636E+05  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=29
  1.5138110E+02  1.0253547E+05  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=30
  1.5637840E+02  1.0250352E+05  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=31
  1.6137089E+02  1.0247052E+05  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=32
  1.6635841E+02  1.0243645E+05  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=33
  1.7134081E+02  1.0240133E+05  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=34
  1.7631792E+02  1.0236514E+05  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=35
  1.8128958E+02  1.0232790E+05  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=36
  1.8625565E+02  1.0228959E+05  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=37
  1.9121550E+02  1.0224997E+05  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=38
  1.9616759E+02  1.0220835E+05  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=39
  2.0111051E+02  1.0216414E+05  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=40
  2.1096380E+02  1.0206630E+05  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=41
  2.1668735E+02  1.0007016E+05  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=42
  2.2412038E+02  9.9002742E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=43
  2.3110570E+02  9.7834746E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=44
  2.3766130E+02  9.6585550E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=45
  2.4385939E+02  9.5292745E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=46
  2.4971822E+02  9.3968039E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=47
  2.5529298E+02  9.2634878E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=48
  2.6058976E+02  9.1296273E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=49
  2.6566469E+02  8.9971775E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=50
  2.7051723E+02  8.8659841E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=51
  2.7516001E+02  8.7363302E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=52
  2.7960719E+02  8.6085122E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=53
  2.8387258E+02  8.4827806E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=54
  2.8796963E+02  8.3593468E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=55
  2.9191140E+02  8.2383883E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=56
  2.9571060E+02  8.1200532E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=57
  2.9937957E+02  8.0044641E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=58
  3.0293023E+02  7.8917208E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=59
  3.0636055E+02  7.7815579E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=60
  3.0966278E+02  7.6735948E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=61
  3.1287471E+02  7.5685882E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=62
  3.1600701E+02  7.4665842E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=63
  3.1901612E+02  7.3663721E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=64
  3.2195347E+02  7.2689937E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=65
  3.2482552E+02  7.1744069E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=66
  3.2759236E+02  7.0815710E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=67
  3.3032035E+02  6.9917807E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=68
  3.3295479E+02  6.9037156E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=69
  3.3554548E+02  6.8182840E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=70
  3.3805943E+02  6.7346741E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=71
  3.4052736E+02  6.6533806E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=72
  3.4292548E+02  6.5738166E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=73
  3.4528753E+02  6.4965209E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=74
  3.4757498E+02  6.4206578E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=75
  3.4984765E+02  6.3472359E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=76
  3.5202949E+02  6.2747712E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=77
  3.5420085E+02  6.2046216E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=78
  3.5630961E+02  6.1357722E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=79
  3.5838055E+02  6.0685772E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=80
  3.6630882E+02  5.8151525E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=81
  3.7366088E+02  5.5829330E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=82
  3.8055140E+02  5.3700030E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=83
  3.8702386E+02  5.1738979E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=84
  3.9311939E+02  4.9926163E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=85
  3.9887661E+02  4.8245075E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=86
  4.0433134E+02  4.6681890E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=87
  4.0951639E+02  4.5224853E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=88
  4.1440403E+02  4.3857760E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=89
  4.1905890E+02  4.2576383E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=90
  4.2349747E+02  4.1372445E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=91
  4.2765330E+02  4.0231088E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=92
  4.3154772E+02  3.9147542E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=93
  4.3514894E+02  3.8113044E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=94
  4.3852169E+02  3.7128169E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=95
  4.4168829E+02  3.6189944E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=96
  4.4462901E+02  3.5292427E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=97
  4.4741032E+02  3.4437036E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=98
  4.5003695E+02  3.3620407E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=99
  4.5249953E+02  3.2838537E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=100
  4.5482203E+02  3.2090220E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=101
  4.5702784E+02  3.1374344E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=102
  4.5912274E+02  3.0688730E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=103
  4.6101974E+02  3.0025388E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=104
  4.6249162E+02  2.9368217E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=105
  4.6360854E+02  2.8721114E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=106
  4.6456146E+02  2.8094907E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=107
  4.6539770E+02  2.7490934E+04  1.6929134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=108
  4.6613316E+02  2.6908596E+04  1.7322835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=109
  4.6676188E+02  2.6346114E+04  1.7716536E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=110
  4.6731369E+02  2.5803843E+04  1.8110236E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=111
  4.6776977E+02  2.5279472E+04  1.8503937E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=112
  4.6816081E+02  2.4773509E+04  1.8897638E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=113
  4.6816081E+02  2.4267928E+04  1.9291339E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=114
  110            1.1000000E+03  4.6397085E+02                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  4.9447397E+00  1.0047711E+05  4.9212599E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=1
  9.8893216E+00  1.0047551E+05  9.8425198E-05                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=2
  1.4833588E+01  1.0047283E+05  1.4763780E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=3
  1.9777381E+01  1.0046909E+05  1.9685040E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=4
  2.4720543E+01  1.0046429E+05  2.4606300E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=5
  2.9662916E+01  1.0045841E+05  2.9527559E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=6
  3.4604342E+01  1.0045146E+05  3.4448819E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=7
  3.9544663E+01  1.0044344E+05  3.9370079E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=8
  4.4483722E+01  1.0043436E+05  4.4291339E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=9
  4.9421359E+01  1.0042420E+05  4.9212599E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=10
  5.4357418E+01  1.0041297E+05  5.4133859E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=11
  5.9291739E+01  1.0040068E+05  5.9055119E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=12
  6.4224165E+01  1.0038731E+05  6.3976379E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=13
  6.9154537E+01  1.0037287E+05  6.8897639E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=14
  7.4082697E+01  1.0035736E+05  7.3818899E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=15
  7.9008485E+01  1.0034077E+05  7.8740158E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=16
  8.3931743E+01  1.0032312E+05  8.3661418E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=17
  8.8852313E+01  1.0030439E+05  8.8582678E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=18
  9.3770035E+01  1.0028458E+05  9.3503938E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=19
  9.8684750E+01  1.0026370E+05  9.8425198E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=20
  1.0359630E+02  1.0024175E+05  1.0334646E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=21
  1.0850452E+02  1.0021872E+05  1.0826772E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=22
  1.1340926E+02  1.0019461E+05  1.1318898E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=23
  1.1831035E+02  1.0016943E+05  1.1811024E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=24
  1.2320764E+02  1.0014316E+05  1.2303150E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=25
  1.2810096E+02  1.0011582E+05  1.2795276E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=26
  1.3299015E+02  1.0008740E+05  1.3287402E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=27
  1.3787506E+02  1.0005790E+05  1.3779528E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=28
  1.4275551E+02  1.0002731E+05  1.4271654E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=29
  1.4763136E+02  9.9995642E+04  1.4763780E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=30
  1.5250244E+02  9.9962890E+04  1.5255906E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=31
  1.5736859E+02  9.9929052E+04  1.5748032E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=32
  1.6222964E+02  9.9894129E+04  1.6240158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=33
  1.6708544E+02  9.9858118E+04  1.6732284E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=34
  1.7193581E+02  9.9821019E+04  1.7224410E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=35
  1.7678061E+02  9.9782830E+04  1.7716536E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=36
  1.8161966E+02  9.9743550E+04  1.8208662E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=37
  1.8645280E+02  9.9703178E+04  1.8700788E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=38
  1.9127986E+02  9.9661713E+04  1.9192914E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=39
  1.9610070E+02  9.9619153E+04  1.9685040E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=40
  2.0572299E+02  9.9530742E+04  2.0669292E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=41
  2.1531539E+02  9.9436561E+04  2.1653544E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=42
  2.2486823E+02  9.9333096E+04  2.2637796E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=43
  2.3156038E+02  9.8027227E+04  2.3622048E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=44
  2.3913857E+02  9.7185912E+04  2.4606300E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=45
  2.4629655E+02  9.6245113E+04  2.5590551E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=46
  2.5305320E+02  9.5222981E+04  2.6574803E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=47
  2.5945771E+02  9.4146082E+04  2.7559055E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=48
  2.6552290E+02  9.3024575E+04  2.8543307E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=49
  2.7130583E+02  9.1882241E+04  2.9527559E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=50
  2.7681755E+02  9.0724717E+04  3.0511811E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=51
  2.8206164E+02  8.9554569E+04  3.1496063E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=52
  2.8710196E+02  8.8392603E+04  3.2480315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=53
  2.9194806E+02  8.7240949E+04  3.3464567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=54
  2.9660059E+02  8.6098914E+04  3.4448819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=55
  3.0107135E+02  8.4969025E+04  3.5433071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=56
  3.0537392E+02  8.3854027E+04  3.6417323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=57
  3.0952152E+02  8.2756278E+04  3.7401575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=58
  3.1351487E+02  8.1674642E+04  3.8385827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=59
  3.1735550E+02  8.0608297E+04  3.9370079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=60
  3.2107214E+02  7.9563241E+04  4.0354331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=61
  3.2467673E+02  7.8540846E+04  4.1338583E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=62
  3.2817710E+02  7.7541379E+04  4.2322835E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=63
  3.3153367E+02  7.6554138E+04  4.3307087E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=64
  3.3480632E+02  7.5591826E+04  4.4291339E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=65
  3.3800204E+02  7.4654363E+04  4.5275591E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=66
  3.4106506E+02  7.3728105E+04  4.6259843E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=67
  3.4407020E+02  7.2828192E+04  4.7244095E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=68
  3.4698406E+02  7.1946083E+04  4.8228347E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=69
  3.4981546E+02  7.1082501E+04  4.9212599E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=70
  3.5258956E+02  7.0241371E+04  5.0196851E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=71
  3.5526723E+02  6.9413751E+04  5.1181103E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=72
  3.5790767E+02  6.8610224E+04  5.2165355E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=73
  3.6045399E+02  6.7818750E+04  5.3149607E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=74
  3.6297031E+02  6.7050515E+04  5.4133859E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=75
  3.6540395E+02  6.6294716E+04  5.5118111E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=76
  3.6780169E+02  6.5559038E+04  5.6102363E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=77
  3.7013757E+02  6.4837891E+04  5.7086615E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=78
  3.7241850E+02  6.4131728E+04  5.8070867E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=79
  3.7467203E+02  6.3444464E+04  5.9055119E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=80
  3.8313827E+02  6.0823200E+04  6.2992127E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=81
  3.9098686E+02  5.8418036E+04  6.6929135E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=82
  3.9822128E+02  5.6193446E+04  7.0866143E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=83
  4.0495602E+02  5.4136226E+04  7.4803151E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=84
  4.1124063E+02  5.2227559E+04  7.8740158E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=85
  4.1711626E+02  5.0451204E+04  8.2677166E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=86
  4.2262103E+02  4.8793518E+04  8.6614174E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=87
  4.2776302E+02  4.7239915E+04  9.0551182E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=88
  4.3256087E+02  4.5779358E+04  9.4488190E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=89
  4.3702534E+02  4.4401774E+04  9.8425198E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=90
  4.4108222E+02  4.3090339E+04  1.0236221E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=91
  4.4478743E+02  4.1842965E+04  1.0629921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=92
  4.4819879E+02  4.0658033E+04  1.1023622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=93
  4.5133297E+02  3.9530542E+04  1.1417323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=94
  4.5420926E+02  3.8456383E+04  1.1811024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=95
  4.5689428E+02  3.7435853E+04  1.2204725E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=96
  4.5935777E+02  3.6461522E+04  1.2598425E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=97
  4.6165222E+02  3.5533231E+04  1.2992126E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=98
  4.6379912E+02  3.4648522E+04  1.3385827E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=99
  4.6579582E+02  3.3803468E+04  1.3779528E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=100
  4.6763490E+02  3.2994240E+04  1.4173229E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=101
  4.6935750E+02  3.2220758E+04  1.4566929E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=102
  4.7097185E+02  3.1480750E+04  1.4960630E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=103
  4.7248299E+02  3.0771969E+04  1.5354331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=104
  4.7388171E+02  3.0091488E+04  1.5748032E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=105
  4.7518809E+02  2.9438481E+04  1.6141732E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=106
  4.7635621E+02  2.8808209E+04  1.6535433E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=107
  4.7722536E+02  2.8189591E+04  1.6929134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=108
  4.7776368E+02  2.7579994E+04  1.7322835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=109
  4.7816813E+02  2.6989934E+04  1.7716536E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=110
    0                                                                           Line 6 : number of output p-y curves
    3  121    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  1.6451099E-02  3.7184000E-10  4.2500000E+01 -7.2972550E+00  1.0047711E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  1.5769303E-02  7.0428819E+00  4.1362814E+01 -7.8652246E+00  1.0047711E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  1.5089083E-02  1.3907061E+01  4.0141120E+01 -8.4240232E+00  1.0047711E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  1.4411978E-02  2.0578275E+01  3.8836393E+01 -8.9723403E+00  1.0046816E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  1.3739482E-02  2.7042541E+01  3.7450304E+01 -9.5088509E+00  1.0046126E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  1.3073042E-02  3.3286196E+01  3.5984724E+01 -1.0032216E+01  1.0045311E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  1.2414058E-02  3.9295925E+01  3.4441726E+01 -1.0541084E+01  1.0044380E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  1.1763876E-02  4.5058797E+01  3.2823588E+01 -1.1034089E+01  1.0043306E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  1.1123789E-02  5.0562297E+01  3.1132793E+01 -1.1509853E+01  1.0042141E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  1.0495030E-02  5.5794365E+01  2.9372030E+01 -1.1966987E+01  1.0040917E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  9.8787742E-03  6.0743422E+01  2.7544199E+01 -1.2404090E+01  1.0039652E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  9.2761316E-03  6.5398413E+01  2.5652411E+01 -1.2819746E+01  1.0038367E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  8.6881474E-03  6.9748835E+01  2.3699990E+01 -1.3212533E+01  1.0037088E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  8.1157987E-03  7.3784776E+01  2.1690474E+01 -1.3581011E+01  1.0035824E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  7.5599923E-03  7.7496948E+01  1.9627619E+01 -1.3923732E+01  1.0034564E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  7.0215627E-03  8.0876721E+01  1.7515396E+01 -1.4239231E+01  1.0033382E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  6.5012698E-03  8.3916161E+01  1.5358002E+01 -1.4526031E+01  1.0032317E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  5.9997972E-03  8.6608064E+01  1.3159852E+01 -1.4782635E+01  1.0031267E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  5.5177507E-03  8.8945988E+01  1.0925590E+01 -1.5007528E+01  1.0030399E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  5.0556563E-03  9.0924296E+01  8.6600873E+00 -1.5199170E+01  1.0029578E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  4.6139596E-03  9.2538184E+01  6.3684503E+00 -1.5355990E+01  1.0028935E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  4.1930240E-03  9.3783726E+01  4.0560223E+00 -1.5476383E+01  1.0028452E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  3.7931298E-03  9.4657904E+01  1.7283916E+00 -1.5558693E+01  1.0028065E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  3.4144740E-03  9.5158649E+01 -6.0860060E-01 -1.5601203E+01  1.0027847E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  3.0571694E-03  9.5284880E+01 -2.9488496E+00 -1.5602117E+01  1.0027792E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  2.7212446E-03  9.5036546E+01 -5.2859733E+00 -1.5559531E+01  1.0027900E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  2.4066434E-03  9.4414667E+01 -7.6132928E+00 -1.5471396E+01  1.0028172E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  2.1132259E-03  9.3421379E+01 -9.9238079E+00 -1.5335472E+01  1.0028592E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.8407683E-03  9.2059987E+01 -1.2210162E+01 -1.5149251E+01  1.0029123E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  1.5889640E-03  9.0335018E+01 -1.4463805E+01 -1.4899315E+01  1.0029819E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  1.3574247E-03  8.8252524E+01 -1.6653467E+01 -1.4296188E+01  1.0030656E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  1.1456815E-03  8.5826589E+01 -1.8750226E+01 -1.3660594E+01  1.0031565E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  9.5318849E-04  8.3072116E+01 -2.0748975E+01 -1.2989396E+01  1.0032605E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  7.7932599E-04  8.0004887E+01 -2.2644040E+01 -1.2278138E+01  1.0033703E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  6.2340412E-04  7.6641666E+01 -2.4428922E+01 -1.1520280E+01  1.0034848E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  4.8466674E-04  7.3000336E+01 -2.6095878E+01 -1.0705808E+01  1.0036059E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.6229543E-04  6.9100122E+01 -2.7635200E+01 -9.8184823E+00  1.0037302E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  2.5541386E-04  6.4961954E+01 -2.9033813E+01 -8.8296835E+00  1.0038501E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  1.6309268E-04  6.0609102E+01 -3.0272189E+01 -7.6820048E+00  1.0039690E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  8.4354627E-05  5.6068462E+01 -3.1315571E+01 -6.2297584E+00  1.0040847E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  1.8180662E-05  5.1373833E+01 -3.1858543E+01 -1.0098594E+00  1.0041950E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00 -3.6482480E-05  4.6643820E+01 -3.1776947E+01  2.0978082E+00  1.0042965E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00 -8.0695660E-05  4.1949513E+01 -3.1259762E+01  4.7979864E+00  1.0043875E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00 -1.1551143E-04  3.7352824E+01 -3.0367863E+01  7.0939959E+00  1.0044674E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00 -1.4196020E-04  3.2906545E+01 -2.9161114E+01  8.9959891E+00  1.0045361E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00 -1.6103842E-04  2.8654569E+01 -2.7697418E+01  1.0519964E+01  1.0045944E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00 -1.7369886E-04  2.4632232E+01 -2.6031913E+01  1.1686772E+01  1.0046436E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00 -1.8084265E-04  2.0866780E+01 -2.4216319E+01  1.2521147E+01  1.0046784E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -1.8331329E-04  1.7377913E+01 -2.2298425E+01  1.3050770E+01  1.0047064E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -1.8189221E-04  1.4178407E+01 -2.0321714E+01  1.3305379E+01  1.0047308E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -1.7729601E-04  1.1274779E+01 -1.8325114E+01  1.3315959E+01  1.0047452E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -1.7017497E-04  8.6679837E+00 -1.6342868E+01  1.3113989E+01  1.0047573E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -1.6111286E-04  6.3541176E+00 -1.4404510E+01  1.2730784E+01  1.0047640E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -1.5062786E-04  4.3251289E+00 -1.2534933E+01  1.2196910E+01  1.0047711E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -1.3917432E-04  2.5695054E+00 -1.0754537E+01  1.1541699E+01  1.0047711E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -1.2714539E-04  1.0729371E+00 -9.0794467E+00  1.0792838E+01  1.0047711E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -1.1487620E-04 -1.8105657E-01 -7.5217796E+00  9.9760558E+00  1.0047711E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -1.0264755E-04 -1.2105444E+00 -6.0899597E+00  9.1148765E+00  1.0047711E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -9.0689978E-05 -2.0346493E+00 -4.7890595E+00  8.2304601E+00  1.0047711E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -7.9188030E-05 -2.6730677E+00 -3.6211620E+00  7.3415063E+00  1.0047711E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -6.8284665E-05 -3.1456438E+00 -2.5857323E+00  6.4642224E+00  1.0047711E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -5.8085710E-05 -3.4720000E+00 -1.6799897E+00  5.6123458E+00  1.0047711E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -4.8664246E-05 -3.6712232E+00 -8.9927272E-01  4.7972142E+00  1.0047711E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -4.0064884E-05 -3.7616047E+00 -2.3739103E-01  4.0278750E+00  1.0047711E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -3.2307864E-05 -3.7604325E+00  3.1304158E-01  3.3112265E+00  1.0047711E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -2.5392924E-05 -3.6838314E+00  7.6029739E-01  2.6521842E+00  1.0047711E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -1.9302910E-05 -3.5466487E+00  1.1132510E+00  2.0538644E+00  1.0047711E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -1.4007103E-05 -3.3623805E+00  1.3811243E+00  1.5177789E+00  1.0047711E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -9.4642396E-06 -3.1431340E+00  1.5732604E+00  1.0440362E+00  1.0047711E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01 -5.6252229E-06 -2.8996224E+00  1.6989288E+00  6.3154264E-01  1.0047711E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01 -2.4355232E-06 -2.6411869E+00  1.7671595E+00  2.7819959E-01  1.0047711E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01  1.6273119E-07 -2.3758413E+00  1.7866065E+00 -1.8906403E-02  1.0047711E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01  2.2289597E-06 -2.1103359E+00  1.7654392E+00 -2.6332439E-01  1.0047711E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01  3.8226172E-06 -1.8502354E+00  1.7112594E+00 -4.5907263E-01  1.0047711E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01  5.0019486E-06 -1.6000084E+00  1.6310424E+00 -6.1048682E-01  1.0047711E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01  5.8229876E-06 -1.3631231E+00  1.5310996E+00 -7.2208423E-01  1.0047711E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01  6.3387802E-06 -1.1421490E+00  1.4170600E+00 -7.9844416E-01  1.0047711E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01  6.5988095E-06 -9.3885852E-01  1.2938688E+00 -8.4410519E-01  1.0047711E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  6.6485988E-06 -7.5432916E-01  1.1658000E+00 -8.6347879E-01  1.0047711E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  6.5294699E-06 -5.8904225E-01  1.0364807E+00 -8.6077871E-01  1.0047711E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  6.2784359E-06 -4.4297778E-01  9.0892485E-01 -8.3996556E-01  1.0047711E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  5.9282051E-06 -3.1570341E-01  7.8557454E-01 -8.0470523E-01  1.0047711E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  5.5072784E-06 -2.0645714E-01  6.6834614E-01 -7.5834011E-01  1.0047711E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  5.0401193E-06 -1.1422267E-01  5.5868025E-01 -7.0387181E-01  1.0047711E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  4.5473823E-06 -3.7797179E-02  4.5759332E-01 -6.4395389E-01  1.0047711E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  4.0461812E-06  2.4148659E-02  3.6572979E-01 -5.8089324E-01  1.0047711E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  3.5503878E-06  7.3018451E-02  2.8341338E-01 -5.1665882E-01  1.0047711E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  3.0709455E-06  1.1024543E-01  2.1069675E-01 -4.5289628E-01  1.0047711E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  2.6161906E-06  1.3725509E-01  1.4740848E-01 -3.9094731E-01  1.0047711E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  2.1921716E-06  1.5543463E-01  9.3197003E-02 -3.3187241E-01  1.0047711E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  1.8029592E-06  1.6610875E-01  4.7570856E-02 -2.7647622E-01  1.0047711E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  1.4509438E-06  1.7052124E-01  9.9350756E-03 -2.2533419E-01  1.0047711E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  1.1371135E-06  1.6982170E-01 -2.0376486E-02 -1.7881997E-01  1.0047711E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  8.6131172E-07  1.6505689E-01 -4.4072938E-02 -1.3713271E-01  1.0047711E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01  6.2247134E-07  1.5716593E-01 -6.1882160E-02 -1.0032358E-01  1.0047711E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01  4.1882538E-07  1.4697897E-01 -7.4530520E-02 -6.8321226E-02  1.0047711E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01  2.4809266E-07  1.3521859E-01 -8.2726281E-02 -4.0955583E-02  1.0047711E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01  1.0763966E-07  1.2250339E-01 -8.7146441E-02 -1.7979892E-02  1.0047711E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01 -5.3809656E-09  1.0935348E-01 -8.8426732E-02  9.0934982E-04  1.0047711E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01 -9.3913891E-08  9.6197083E-02 -8.7154439E-02  1.6054561E-02  1.0047711E+05 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01 -1.6090525E-07  8.3378221E-02 -8.3863738E-02  2.7821451E-02  1.0047711E+05 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01 -2.0922559E-07  7.1164804E-02 -7.9033212E-02  3.6585563E-02  1.0047711E+05 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01 -2.4160988E-07  5.9757033E-02 -7.3085225E-02  4.2720927E-02  1.0047711E+05 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01 -2.6061268E-07  4.9295762E-02 -6.6386852E-02  4.6590720E-02  1.0047711E+05 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -2.6857661E-07  3.9870641E-02 -5.9252063E-02  4.8539797E-02  1.0047711E+05 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -2.6761224E-07  3.1527843E-02 -5.1944906E-02  4.8888955E-02  1.0047711E+05 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -2.5958778E-07  2.4277281E-02 -4.4683428E-02  4.7930755E-02  1.0047711E+05 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -2.4612688E-07  1.8099181E-02 -3.7644116E-02  4.5926734E-02  1.0047711E+05 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -2.2861300E-07  1.2949974E-02 -3.0966673E-02  4.3105850E-02  1.0047711E+05 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -2.0819921E-07  8.7674586E-03 -2.4758935E-02  3.9663990E-02  1.0047711E+05 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -1.8582211E-07  5.4752235E-03 -1.9101805E-02  3.5764401E-02  1.0047711E+05 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -1.6221893E-07  2.9863387E-03 -1.4054058E-02  3.1538897E-02  1.0047711E+05 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -1.3794702E-07  1.2063435E-03 -9.6569109E-03  2.7089732E-02  1.0047711E+05 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -1.1340497E-07  3.5570041E-05 -5.9382781E-03  2.2492038E-02  1.0047711E+05 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -8.8854953E-08 -6.2914127E-04 -2.9166197E-03  1.7796741E-02  1.0047711E+05 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01 -6.4445822E-08 -8.9327093E-04 -6.0432189E-04  1.3033897E-02  1.0047711E+05 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01 -4.0236723E-08 -8.6391789E-04  9.8945121E-04  8.2164112E-03  1.0047711E+05 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01 -1.6221082E-08 -6.4948278E-04  1.8564897E-03  3.3441025E-03  1.0047711E+05 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01  7.6491198E-09 -3.5964539E-04  1.9879059E-03 -1.5918874E-03  1.0047711E+05 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01  3.1438785E-08 -1.0553688E-04  1.3731889E-03 -6.6043393E-03  1.0047711E+05 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01  5.5204818E-08  0.0000000E+00  0.0000000E+00 -1.1704846E-02  1.0047711E+05 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 1
  0.0000000E+00  6.1039683E-02  4.2000000E+01  8.1000000E+01 -1.1296984E+01  1.0338536E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  5.8784005E-02  5.5714667E+01  7.9238083E+01 -1.2195245E+01  1.0338536E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  5.6540452E-02  6.9145848E+01  7.7342121E+01 -1.3084249E+01  1.0338536E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  5.4311948E-02  8.2271347E+01  7.5313622E+01 -1.3962399E+01  1.0328470E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  5.2101366E-02  9.5069249E+01  7.3154337E+01 -1.4828069E+01  1.0323878E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  4.9911503E-02  1.0751798E+02  7.0866261E+01 -1.5679605E+01  1.0318782E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  4.7745085E-02  1.1959634E+02  6.8451642E+01 -1.6515323E+01  1.0313198E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  4.5604759E-02  1.3128353E+02  6.5912980E+01 -1.7333508E+01  1.0307252E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  4.3493091E-02  1.4255923E+02  6.3253035E+01 -1.8132414E+01  1.0300948E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  4.1412561E-02  1.5340359E+02  6.0474835E+01 -1.8910261E+01  1.0294360E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  3.9365561E-02  1.6379733E+02  5.7581673E+01 -1.9665235E+01  1.0287581E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  3.7354384E-02  1.7372173E+02  5.4577119E+01 -2.0395483E+01  1.0280677E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  3.5381228E-02  1.8315871E+02  5.1465024E+01 -2.1099113E+01  1.0273714E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  3.3448185E-02  1.9209088E+02  4.8249527E+01 -2.1774187E+01  1.0266667E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  3.1557239E-02  2.0050156E+02  4.4935059E+01 -2.2418719E+01  1.0259196E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  2.9710267E-02  2.0837484E+02  4.1526355E+01 -2.3030670E+01  1.0114446E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  2.7909648E-02  2.1569516E+02  3.8028446E+01 -2.3608113E+01  1.0013739E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  2.6157495E-02  2.2244795E+02  3.4446657E+01 -2.4149072E+01  9.9087774E+04 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  2.4455852E-02  2.2861950E+02  3.0786609E+01 -2.4651570E+01  9.7994939E+04 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  2.2806702E-02  2.3419703E+02  2.7054218E+01 -2.5113647E+01  9.6895328E+04 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  2.1211935E-02  2.3916871E+02  2.3255692E+01 -2.5533363E+01  9.5841645E+04 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  1.9673315E-02  2.4352378E+02  1.9397530E+01 -2.5908798E+01  9.4877814E+04 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  1.8192446E-02  2.4725258E+02  1.5486516E+01 -2.6238056E+01  9.3975454E+04 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  1.6770775E-02  2.5034664E+02  1.1529716E+01 -2.6519273E+01  9.3215237E+04 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  1.5409533E-02  2.5279868E+02  7.5344754E+00 -2.6750601E+01  9.2600650E+04 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  1.4109715E-02  2.5460277E+02  3.5084151E+00 -2.6930203E+01  9.2150489E+04 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  1.2872062E-02  2.5575431E+02 -5.4056788E-01 -2.7056236E+01  9.1842700E+04 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  1.1697065E-02  2.5625009E+02 -4.6042992E+00 -2.7126848E+01  9.1711671E+04 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.0584935E-02  2.5608837E+02 -8.6743233E+00 -2.7140139E+01  9.1754334E+04 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  9.5356033E-03  2.5526889E+02 -1.2740457E+01 -2.7074978E+01  9.1971904E+04 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  8.5487202E-03  2.5379339E+02 -1.6751085E+01 -2.6400062E+01  9.2357044E+04 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  7.6236662E-03  2.5167752E+02 -2.0658109E+01 -2.5693589E+01  9.2879252E+04 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  6.7595811E-03  2.4893781E+02 -2.4456749E+01 -2.4954940E+01  9.3577720E+04 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  5.9553511E-03  2.4559173E+02 -2.8142111E+01 -2.4183225E+01  9.4371977E+04 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  5.2096746E-03  2.4165761E+02 -3.1709147E+01 -2.3377257E+01  9.5293709E+04 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  4.5210564E-03  2.3715471E+02 -3.5152598E+01 -2.2535427E+01  9.6298418E+04 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.8878491E-03  2.3210320E+02 -3.8466925E+01 -2.1655587E+01  9.7328821E+04 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  3.3082983E-03  2.2652420E+02 -4.1646212E+01 -2.0734916E+01  9.8374205E+04 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  2.7805577E-03  2.2043980E+02 -4.4684055E+01 -1.9769656E+01  9.9401309E+04 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  2.3027148E-03  2.1387317E+02 -4.7573385E+01 -1.8754742E+01  1.0037146E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  1.8728153E-03  2.0684859E+02 -5.2622609E+01 -4.8568239E+01  1.0147255E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00  1.4887814E-03  1.9869684E+02 -5.9704003E+01 -4.5850351E+01  1.0260858E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00  1.1483177E-03  1.8948077E+02 -6.6320847E+01 -4.2374242E+01  1.0268754E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00  8.4937130E-04  1.7928014E+02 -7.2354430E+01 -3.8073529E+01  1.0276617E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00  5.8967719E-04  1.6819342E+02 -7.7672456E+01 -3.2833487E+01  1.0284584E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00  3.6677943E-04  1.5634035E+02 -8.1931980E+01 -2.3960160E+01  1.0292507E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00  1.7805856E-04  1.4392254E+02 -8.4627499E+01 -1.1980100E+01  1.0300128E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00  2.0776684E-05  1.3121160E+02 -8.5633897E+01 -1.4385319E+00  1.0307289E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -1.0786273E-04  1.1844681E+02 -8.5165850E+01  7.6791579E+00  1.0313758E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -2.1066236E-04  1.0583542E+02 -8.3434170E+01  1.5409910E+01  1.0319511E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -2.9038632E-04  9.3553452E+01 -8.0642699E+01  2.1809697E+01  1.0324450E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -3.4972224E-04  8.1746908E+01 -7.6985705E+01  2.6950225E+01  1.0328656E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -3.9125036E-04  7.0533388E+01 -7.2645758E+01  3.0915743E+01  1.0332093E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -4.1741857E-04  6.0003953E+01 -6.7792079E+01  3.3799967E+01  1.0334851E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -4.3052332E-04  5.0225219E+01 -6.2579341E+01  3.5703212E+01  1.0337026E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -4.3269584E-04  4.1241608E+01 -5.7146870E+01  3.6729732E+01  1.0338678E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -4.2589297E-04  3.3077685E+01 -5.1618242E+01  3.6985312E+01  1.0339872E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -4.1189226E-04  2.5740533E+01 -4.6101209E+01  3.6575126E+01  1.0340768E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -3.9229078E-04  1.9222121E+01 -4.0687934E+01  3.5601879E+01  1.0341339E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -3.6850709E-04  1.3501614E+01 -3.5455476E+01  3.4164218E+01  1.0341706E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -3.4178590E-04  8.5475993E+00 -3.0466502E+01  3.2355436E+01  1.0341927E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -3.1320509E-04  4.3201870E+00 -2.5770162E+01  3.0262440E+01  1.0342053E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -2.8368439E-04  7.7297470E-01 -2.1403105E+01  2.7964983E+01  1.0342053E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -2.5399552E-04 -2.1451516E+00 -1.7390596E+01  2.5535135E+01  1.0342053E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -2.2477335E-04 -4.4883874E+00 -1.3747688E+01  2.3036975E+01  1.0342053E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -1.9652766E-04 -6.3125589E+00 -1.0480428E+01  2.0526489E+01  1.0341993E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -1.6965533E-04 -7.6738543E+00 -7.5870689E+00  1.8051633E+01  1.0341948E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -1.4445253E-04 -8.6277359E+00 -5.0592546E+00  1.5652558E+01  1.0341925E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -1.2112679E-04 -9.2280271E+00 -2.8831660E+00  1.3361956E+01  1.0341913E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01 -9.9808709E-05 -9.5261686E+00 -1.0406065E+00  1.1205504E+01  1.0341908E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01 -8.0563155E-05 -9.5706318E+00  4.8998561E-01  9.2023908E+00  1.0341907E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01 -6.3399802E-05 -9.4064796E+00  1.7326076E+00  7.3659030E+00  1.0341910E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01 -4.8282935E-05 -9.0750597E+00  2.7128533E+00  5.7040396E+00  1.0341916E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01 -3.5140449E-05 -8.6138181E+00  3.4571676E+00  4.2201500E+00  1.0341926E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01 -2.3871994E-05 -8.0562176E+00  3.9921967E+00  2.9135720E+00  1.0341938E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01 -1.4356256E-05 -7.4317472E+00  4.3442341E+00  1.7802590E+00  1.0341955E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01 -6.4573718E-06 -6.7660083E+00  4.5387571E+00  8.1338217E-01  1.0341976E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01 -3.0500452E-08 -6.0808644E+00  4.6000534E+00  3.9015507E-03  1.0342002E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  5.0734216E-06 -5.3946404E+00  4.5509282E+00 -6.5890454E-01  1.0342035E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  9.0036926E-06 -4.7223616E+00  4.4124887E+00 -1.1869550E+00  1.0342053E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  1.1906574E-05 -4.0760187E+00  4.2039973E+00 -1.5929306E+00  1.0342053E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  1.3922684E-05 -3.4648516E+00  3.9427858E+00 -1.8898902E+00  1.0342053E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  1.5184987E-05 -2.8956417E+00  3.6442235E+00 -2.0909393E+00  1.0342053E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  1.5817318E-05 -2.3730055E+00  3.3217320E+00 -2.2089486E+00  1.0342053E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  1.5933382E-05 -1.8996835E+00  2.9868366E+00 -2.2563231E+00  1.0342053E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  1.5636155E-05 -1.4768187E+00  2.6492511E+00 -2.2448171E+00  1.0342053E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  1.5017633E-05 -1.1042213E+00  2.3169853E+00 -2.1853929E+00  1.0342053E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  1.4158878E-05 -7.8061513E-01  1.9964718E+00 -2.0881202E+00  1.0342053E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  1.3130294E-05 -5.0386427E-01  1.6927046E+00 -1.9621098E+00  1.0342053E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  1.1992091E-05 -2.7117866E-01  1.4093853E+00 -1.8154802E+00  1.0342053E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  1.0794890E-05 -7.9297115E-02  1.1490730E+00 -1.6553510E+00  1.0342053E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  9.5804371E-06  7.5351974E-02  9.1333223E-01 -1.4878591E+00  1.0342053E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  8.3823778E-06  1.9651194E-01  7.0287823E-01 -1.3181943E+00  1.0342053E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  7.2270714E-06  2.8798047E-01  5.1771494E-01 -1.1506495E+00  1.0342053E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01  6.1344176E-06  3.5351239E-01  3.5726502E-01 -9.8868285E-01  1.0342053E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01  5.1186733E-06  3.9674127E-01  2.2048973E-01 -8.3498767E-01  1.0342053E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01  4.1892434E-06  4.2111819E-01  1.0599806E-01 -6.9156784E-01  1.0342053E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01  3.3514313E-06  4.2986612E-01  1.2144299E-02 -5.5981570E-01  1.0342053E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01  2.6071401E-06  4.2594806E-01 -6.2886167E-02 -4.4059051E-01  1.0342053E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01  1.9555175E-06  4.1204721E-01 -1.2100260E-01 -3.3429532E-01  1.0342053E+05 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01  1.3935392E-06  3.9055748E-01 -1.6414608E-01 -2.4095101E-01  1.0342053E+05 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01  9.1652995E-07  3.6358262E-01 -1.9423736E-01 -1.6026608E-01  1.0342053E+05 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01  5.1862113E-07  3.3294246E-01 -2.1313492E-01 -9.1701447E-02  1.0342053E+05 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01  1.9314672E-07  3.0018468E-01 -2.2260225E-01 -3.4529573E-02  1.0342053E+05 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -6.7019999E-08  2.6660101E-01 -2.2428353E-01  1.2112511E-02  1.0342053E+05 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -2.6918544E-07  2.3324637E-01 -2.1968687E-01  4.9176358E-02  1.0342053E+05 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -4.2060619E-07  2.0096014E-01 -2.1017403E-01  7.7661484E-02  1.0342053E+05 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -5.2830638E-07  1.7038851E-01 -1.9695586E-01  9.8580808E-02  1.0342053E+05 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -5.9893713E-07  1.4200714E-01 -1.8109240E-01  1.1293187E-01  1.0342053E+05 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -6.3867304E-07  1.1614356E-01 -1.6349700E-01  1.2167347E-01  1.0342053E+05 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -6.5314095E-07  9.2998687E-02 -1.4494345E-01  1.2570729E-01  1.0342053E+05 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -6.4737622E-07  7.2667054E-02 -1.2607560E-01  1.2586405E-01  1.0342053E+05 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -6.2580216E-07  5.5155504E-02 -1.0741877E-01  1.2289365E-01  1.0342053E+05 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -5.9222856E-07  4.0400062E-02 -8.9392324E-02  1.1745894E-01  1.0342053E+05 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -5.4986560E-07  2.8280855E-02 -7.2322968E-02  1.1013247E-01  1.0342053E+05 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01 -5.0134989E-07  1.8635013E-02 -5.6458339E-02  1.0139591E-01  1.0342053E+05 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01 -4.4877998E-07  1.1267539E-02 -4.1980520E-02  9.1641680E-02  1.0342053E+05 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01 -3.9375873E-07  5.9601637E-03 -2.9019161E-02  8.1176433E-02  1.0342053E+05 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01 -3.3744079E-07  2.4782859E-03 -1.7663973E-02  7.0226086E-02  1.0342053E+05 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01 -2.8058368E-07  5.7609069E-04 -7.9763543E-03  5.8942158E-02  1.0342053E+05 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01 -2.2360124E-07  0.0000000E+00  0.0000000E+00  4.7409232E-02  1.0342053E+05 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 2
  0.0000000E+00  1.6632085E-02  9.0000000E+00  4.2000000E+01 -7.3239264E+00  1.0300379E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  1.5000000E-01  1.5928315E-02  1.5780622E+01  4.0858837E+01 -7.8915828E+00  1.0300379E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  3.0000000E-01  1.5227992E-02  2.2380926E+01  3.9633233E+01 -8.4498053E+00  1.0300379E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  4.5000000E-01  1.4532558E-02  2.8787197E+01  3.8324699E+01 -8.9973053E+00  1.0298852E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  6.0000000E-01  1.3843413E-02  3.4985999E+01  3.6934943E+01 -9.5327798E+00  1.0298070E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  7.5000000E-01  1.3161912E-02  4.0964197E+01  3.5465866E+01 -1.0054912E+01  1.0297148E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  9.0000000E-01  1.2489362E-02  4.6708999E+01  3.3919570E+01 -1.0562370E+01  1.0296110E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  1.0500000E+00  1.1827019E-02  5.2207982E+01  3.2298356E+01 -1.1053812E+01  1.0294997E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  1.2000000E+00  1.1176086E-02  5.7449126E+01  3.0604729E+01 -1.1527880E+01  1.0293826E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  1.3500000E+00  1.0537711E-02  6.2420848E+01  2.8841398E+01 -1.1983207E+01  1.0292614E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  1.5000000E+00  9.9129809E-03  6.7112030E+01  2.7011277E+01 -1.2418410E+01  1.0291381E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  1.6500000E+00  9.3029236E-03  7.1512061E+01  2.5117488E+01 -1.2832099E+01  1.0290150E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  1.8000000E+00  8.7085027E-03  7.5610859E+01  2.3163366E+01 -1.3222867E+01  1.0288928E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  1.9500000E+00  8.1306166E-03  7.9398916E+01  2.1152454E+01 -1.3589297E+01  1.0287705E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  2.1000000E+00  7.5700956E-03  8.2867321E+01  1.9088510E+01 -1.3929959E+01  1.0286553E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  2.2500000E+00  7.0277004E-03  8.6007802E+01  1.6975507E+01 -1.4243408E+01  1.0285505E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  2.4000000E+00  6.5041197E-03  8.8812754E+01  1.4817638E+01 -1.4528184E+01  1.0284465E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  2.5500000E+00  5.9999692E-03  9.1275278E+01  1.2619313E+01 -1.4782809E+01  1.0283592E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  2.7000000E+00  5.5157893E-03  9.3389212E+01  1.0385169E+01 -1.5005784E+01  1.0282760E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  2.8500000E+00  5.0520442E-03  9.5149169E+01  8.1200662E+00 -1.5195586E+01  1.0282095E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  3.0000000E+00  4.6091202E-03  9.6550568E+01  5.8290979E+00 -1.5350659E+01  1.0281558E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  3.1500000E+00  4.1873253E-03  9.7589673E+01  3.5175927E+00 -1.5469410E+01  1.0281124E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  3.3000000E+00  3.7868876E-03  9.8263632E+01  1.1911222E+00 -1.5550197E+01  1.0280848E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  3.4500000E+00  3.4079552E-03  9.8570506E+01 -1.1444913E+00 -1.5591316E+01  1.0280724E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  3.6000000E+00  3.0505956E-03  9.8509318E+01 -3.4831632E+00 -1.5590976E+01  1.0280748E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  3.7500000E+00  2.7147954E-03  9.8080085E+01 -5.8185326E+00 -1.5547283E+01  1.0280923E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  3.9000000E+00  2.4004601E-03  9.7283866E+01 -8.1439431E+00 -1.5458192E+01  1.0281251E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  4.0500000E+00  2.1074150E-03  9.6122806E+01 -1.0452417E+01 -1.5321463E+01  1.0281738E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  4.2000000E+00  1.8354048E-03  9.4600185E+01 -1.2736621E+01 -1.5134588E+01  1.0282300E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  4.3500000E+00  1.5840953E-03  9.2720476E+01 -1.4988027E+01 -1.4884151E+01  1.0283019E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  4.5000000E+00  1.3530737E-03  9.0489642E+01 -1.7175411E+01 -1.4280970E+01  1.0283873E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  4.6500000E+00  1.1418503E-03  8.7921649E+01 -1.9269890E+01 -1.3645426E+01  1.0284790E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  4.8000000E+00  9.4986142E-04  8.5031245E+01 -2.1266373E+01 -1.2974347E+01  1.0285823E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  4.9500000E+00  7.7647297E-04  8.1834038E+01 -2.3159191E+01 -1.2263223E+01  1.0286916E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  5.1000000E+00  6.2098362E-04  7.8346590E+01 -2.4941841E+01 -1.1505443E+01  1.0288039E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  5.2500000E+00  4.8262871E-04  7.4586562E+01 -2.6606565E+01 -1.0690882E+01  1.0289221E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  5.4000000E+00  3.6058405E-04  7.0572940E+01 -2.8143615E+01 -9.8031111E+00  1.0290430E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  5.5500000E+00  2.5397015E-04  6.6326404E+01 -2.9539834E+01 -8.8131462E+00  1.0291610E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  5.7000000E+00  1.6185684E-04  6.1869972E+01 -3.0775524E+01 -7.6627126E+00  1.0292761E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  5.8500000E+00  8.3268319E-05  5.7230308E+01 -3.1815462E+01 -6.2031297E+00  1.0293880E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  6.0000000E+00  1.7188997E-05  5.2441067E+01 -3.2352305E+01 -9.5477656E-01  1.0294945E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  6.1500000E+00 -3.7429128E-05  4.7621175E+01 -3.2262495E+01  2.1522422E+00  1.0295924E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  6.3000000E+00 -8.1640451E-05  4.2841383E+01 -3.1737014E+01  4.8541616E+00  1.0296802E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  6.4500000E+00 -1.1649031E-04  3.8163320E+01 -3.0836394E+01  7.1541127E+00  1.0297572E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  6.6000000E+00 -1.4300156E-04  3.3639553E+01 -2.9620187E+01  9.0619803E+00  1.0298235E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  6.7500000E+00 -1.6216311E-04  2.9313802E+01 -2.8146031E+01  1.0593435E+01  1.0298798E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  6.9000000E+00 -1.7492040E-04  2.5221279E+01 -2.6468851E+01  1.1768959E+01  1.0299273E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  7.0500000E+00 -1.8216781E-04  2.1389150E+01 -2.4640212E+01  1.2612898E+01  1.0299611E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  7.2000000E+00 -1.8474265E-04  1.7837073E+01 -2.2707805E+01  1.3152531E+01  1.0299883E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  7.3500000E+00 -1.8342100E-04  1.4577811E+01 -2.0715074E+01  1.3417209E+01  1.0300121E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  7.5000000E+00 -1.7891491E-04  1.1617889E+01 -1.8700968E+01  1.3437547E+01  1.0300259E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  7.6500000E+00 -1.7187100E-04  8.9582809E+00 -1.6699800E+01  1.3244688E+01  1.0300379E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  7.8000000E+00 -1.6287025E-04  6.5951131E+00 -1.4741225E+01  1.2869649E+01  1.0300443E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  7.9500000E+00 -1.5242889E-04  4.5203598E+00 -1.2850295E+01  1.2342746E+01  1.0300515E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  8.1000000E+00 -1.4100011E-04  2.7225285E+00 -1.1047606E+01  1.1693111E+01  1.0300515E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  8.2500000E+00 -1.2897665E-04  1.1873163E+00 -9.3495010E+00  1.0948286E+01  1.0300515E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  8.4000000E+00 -1.1669382E-04 -1.0176687E-01 -7.7683370E+00  1.0133902E+01  1.0300515E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  8.5500000E+00 -1.0443323E-04 -1.1628195E+00 -6.3127863E+00  9.2734412E+00  1.0300515E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  8.7000000E+00 -9.2426641E-05 -2.0150165E+00 -4.9881730E+00  8.3880688E+00  1.0300515E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  8.8500000E+00 -8.0860202E-05 -2.6781298E+00 -3.7968279E+00  7.4965331E+00  1.0300515E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  9.0000000E+00 -6.9878762E-05 -3.1721032E+00 -2.7384532E+00  6.6151289E+00  1.0300515E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  9.1500000E+00 -5.9590223E-05 -3.5166818E+00 -1.8104900E+00  5.7577145E+00  1.0300515E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  9.3000000E+00 -5.0069852E-05 -3.7310973E+00 -1.0084782E+00  4.9357758E+00  1.0300515E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  9.4500000E+00 -4.1364486E-05 -3.8338058E+00 -3.2640533E-01  4.1585289E+00  1.0300515E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  9.6000000E+00 -3.3496560E-05 -3.8422775E+00  2.4296351E-01  3.4330557E+00  1.0300515E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  9.7500000E+00 -2.6467924E-05 -3.7728340E+00  7.0777745E-01  2.7644635E+00  1.0300515E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  9.9000000E+00 -2.0263410E-05 -3.6405308E+00  1.0768170E+00  2.1560633E+00  1.0300515E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  1.0050000E+01 -1.4854118E-05 -3.4590800E+00  1.3592387E+00  1.6095595E+00  1.0300515E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  1.0200000E+01 -1.0200412E-05 -3.2408096E+00  1.5643491E+00  1.1252462E+00  1.0300515E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  1.0350000E+01 -6.2546146E-06 -2.9966548E+00  1.7014079E+00  7.0220433E-01  1.0300515E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  1.0500000E+01 -2.9633936E-06 -2.7361768E+00  1.7794604E+00  3.3849600E-01  1.0300515E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  1.0650000E+01 -2.6985120E-07 -2.4676045E+00  1.8071990E+00  3.1351798E-02  1.0300515E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  1.0800000E+01  1.8846783E-06 -2.1978956E+00  1.7928515E+00 -2.2265175E-01  1.0300515E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  1.0950000E+01  3.5591091E-06 -1.9328123E+00  1.7440956E+00 -4.2742693E-01  1.0300515E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  1.1100000E+01  4.8113446E-06 -1.6770083E+00  1.6679968E+00 -5.8722365E-01  1.0300515E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  1.1250000E+01  5.6972618E-06 -1.4341237E+00  1.5709680E+00 -7.0649350E-01  1.0300515E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  1.1400000E+01  6.2699151E-06 -1.2068847E+00  1.4587483E+00 -7.8976979E-01  1.0300515E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  1.1550000E+01  6.5789418E-06 -9.9720460E-01  1.3363983E+00 -8.4156376E-01  1.0300515E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  1.1700000E+01  6.6701434E-06 -8.0628541E-01  1.2083102E+00 -8.6627687E-01  1.0300515E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  1.1850000E+01  6.5852236E-06 -6.3471656E-01  1.0782298E+00 -8.6812870E-01  1.0300515E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  1.2000000E+01  6.3616589E-06 -4.8256969E-01  9.4928766E-01 -8.5109963E-01  1.0300515E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  1.2150000E+01  6.0326839E-06 -3.4948823E-01  8.2403864E-01 -8.1888737E-01  1.0300515E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  1.2300000E+01  5.6273682E-06 -2.3477066E-01  7.0450637E-01 -7.7487621E-01  1.0300515E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  1.2450000E+01  5.1707701E-06 -1.3744679E-01  5.9223183E-01 -7.2211769E-01  1.0300515E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  1.2600000E+01  4.6841488E-06 -5.6346539E-02  4.8832390E-01 -6.6332137E-01  1.0300515E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  1.2750000E+01  4.1852194E-06  9.8388242E-03  3.9351072E-01 -6.0085437E-01  1.0300515E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  1.2900000E+01  3.6884391E-06  6.2503245E-02  3.0819052E-01 -5.3674830E-01  1.0300515E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  1.3050000E+01  3.2053118E-06  1.0307991E-01  2.3248097E-01 -4.7271233E-01  1.0300515E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  1.3200000E+01  2.7447008E-06  1.3300253E-01  1.6626622E-01 -4.1015107E-01  1.0300515E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  1.3350000E+01  2.3131423E-06  1.5367351E-01  1.0924092E-01 -3.5018615E-01  1.0300515E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  1.3500000E+01  1.9151516E-06  1.6643844E-01  6.0950929E-02 -2.9368045E-01  1.0300515E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  1.3650000E+01  1.5535170E-06  1.7256649E-01  2.0830097E-02 -2.4126398E-01  1.0300515E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  1.3800000E+01  1.2295770E-06  1.7323593E-01 -1.1766745E-02 -1.9336058E-01  1.0300515E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  1.3950000E+01  9.4347798E-07  1.6952449E-01 -3.7534892E-02 -1.5021471E-01  1.0300515E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  1.4100000E+01  6.9440914E-07  1.6240360E-01 -5.7194829E-02 -1.1191778E-01  1.0300515E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  1.4250000E+01  4.8081504E-07  1.5273618E-01 -7.1471163E-02 -7.8433337E-02  1.0300515E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  1.4400000E+01  3.0058396E-07  1.4127731E-01 -8.1075234E-02 -4.9620941E-02  1.0300515E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  1.4550000E+01  1.5121289E-07  1.2867729E-01 -8.6691175E-02 -2.5258268E-02  1.0300515E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  1.4700000E+01  2.9949528E-08  1.1548647E-01 -8.8965141E-02 -5.0612846E-03  1.0300515E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  1.4850000E+01 -6.6087468E-08  1.0216158E-01 -8.8497414E-02  1.1297639E-02  1.0300515E+05 Line 10(100): nodal depth, y, M, V, p, EI
  1.5000000E+01 -1.3980873E-07  8.9073048E-02 -8.5837061E-02  2.4173740E-02  1.0300515E+05 Line 10(101): nodal depth, y, M, V, p, EI
  1.5150000E+01 -1.9407326E-07  7.6512855E-02 -8.1478830E-02  3.3936000E-02  1.0300515E+05 Line 10(102): nodal depth, y, M, V, p, EI
  1.5300000E+01 -2.3162465E-07  6.4702852E-02 -7.5861978E-02  4.0955362E-02  1.0300515E+05 Line 10(103): nodal depth, y, M, V, p, EI
  1.5450000E+01 -2.5504264E-07  5.3803037E-02 -6.9370706E-02  4.5594941E-02  1.0300515E+05 Line 10(104): nodal depth, y, M, V, p, EI
  1.5600000E+01 -2.6670812E-07  4.3919707E-02 -6.2335927E-02  4.8202104E-02  1.0300515E+05 Line 10(105): nodal depth, y, M, V, p, EI
  1.5750000E+01 -2.6877997E-07  3.5113249E-02 -5.5038098E-02  4.9102283E-02  1.0300515E+05 Line 10(106): nodal depth, y, M, V, p, EI
  1.5900000E+01 -2.6318183E-07  2.7405456E-02 -4.7710849E-02  4.8594366E-02  1.0300515E+05 Line 10(107): nodal depth, y, M, V, p, EI
  1.6050000E+01 -2.5159736E-07  2.0786248E-02 -4.0545208E-02  4.6947514E-02  1.0300515E+05 Line 10(108): nodal depth, y, M, V, p, EI
  1.6200000E+01 -2.3547244E-07  1.5219726E-02 -3.3694203E-02  4.4399223E-02  1.0300515E+05 Line 10(109): nodal depth, y, M, V, p, EI
  1.6350000E+01 -2.1602298E-07  1.0649527E-02 -2.7277674E-02  4.1154495E-02  1.0300515E+05 Line 10(110): nodal depth, y, M, V, p, EI
  1.6500000E+01 -1.9424729E-07  7.0034437E-03 -2.1387140E-02  3.7385960E-02  1.0300515E+05 Line 10(111): nodal depth, y, M, V, p, EI
  1.6650000E+01 -1.7094180E-07  4.1973203E-03 -1.6090582E-02  3.3234811E-02  1.0300515E+05 Line 10(112): nodal depth, y, M, V, p, EI
  1.6800000E+01 -1.4671946E-07  2.1382467E-03 -1.1437038E-02  2.8812444E-02  1.0300515E+05 Line 10(113): nodal depth, y, M, V, p, EI
  1.6950000E+01 -1.2203005E-07  7.2707948E-04 -7.4609037E-03  2.4202683E-02  1.0300515E+05 Line 10(114): nodal depth, y, M, V, p, EI
  1.7100000E+01 -9.7181820E-08 -1.3965446E-04 -4.1858629E-03  1.9464527E-02  1.0300515E+05 Line 10(115): nodal depth, y, M, V, p, EI
  1.7250000E+01 -7.2364098E-08 -5.6841214E-04 -1.6283732E-03  1.4635335E-02  1.0300515E+05 Line 10(116): nodal depth, y, M, V, p, EI
  1.7400000E+01 -4.7670536E-08 -6.6777546E-04  1.9935758E-04  9.7344093E-03  1.0300515E+05 Line 10(117): nodal depth, y, M, V, p, EI
  1.7550000E+01 -2.3122841E-08 -5.4799787E-04  1.2869598E-03  4.7669540E-03  1.0300515E+05 Line 10(118): nodal depth, y, M, V, p, EI
  1.7700000E+01  1.3051520E-09 -3.2086806E-04  1.6241099E-03 -2.7162013E-04  1.0300515E+05 Line 10(119): nodal depth, y, M, V, p, EI
  1.7850000E+01  2.5663056E-08 -9.9793627E-05  1.1994109E-03 -5.3910330E-03  1.0300515E+05 Line 10(120): nodal depth, y, M, V, p, EI
  1.8000000E+01  4.9999161E-08  0.0000000E+00  0.0000000E+00 -1.0601112E-02  1.0300515E+05 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 3
  4.2500000E+01  1.6451099E-02  9.5284880E+01  4.2500000E+01 -4.5453094E-03     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  8.1000000E+01  6.1039683E-02  2.5625009E+02 -8.5633897E+01 -1.5068322E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  4.2000000E+01  1.6632085E-02  9.8570506E+01  4.2000000E+01 -4.6983539E-03     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
