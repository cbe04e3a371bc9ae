    3    1    0    0                                                            Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            5.0000000E+01  0.0000000E+00                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  7.3929700E+08  7.3929700E+07  1.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  1.4785940E+09  7.3929700E+07  2.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  2.2178910E+09  7.3929700E+07  3.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  2.9571880E+09  7.3929700E+07  4.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  3.6964850E+09  7.3929700E+07  5.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  4.4357820E+09  7.3929700E+07  6.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  5.1750790E+09  7.3929700E+07  7.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  5.9143760E+09  7.3929700E+07  8.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  6.6536730E+09  7.3929700E+07  9.0000000E+01                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  7.3929700E+09  7.3929700E+07  1.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  8.1322670E+09  7.3929700E+07  1.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  8.8715640E+09  7.3929700E+07  1.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  9.6108610E+09  7.3929700E+07  1.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  1.0350158E+10  7.3929700E+07  1.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  1.1089455E+10  7.3929700E+07  1.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  1.1828752E+10  7.3929700E+07  1.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  1.2568049E+10  7.3929700E+07  1.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  1.3307346E+10  7.3929700E+07  1.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  1.4046643E+10  7.3929700E+07  1.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  1.4785940E+10  7.3929700E+07  2.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  1.5525237E+10  7.3929700E+07  2.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  1.6264534E+10  7.3929700E+07  2.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  1.7003831E+10  7.3929700E+07  2.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  1.7743128E+10  7.3929700E+07  2.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  1.8482425E+10  7.3929700E+07  2.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  1.9221722E+10  7.3929700E+07  2.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  1.9961019E+10  7.3929700E+07  2.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  2.0700316E+10  7.3929700E+07  2.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  2.1439613E+10  7.3929700E+07  2.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  2.2178910E+10  7.3929700E+07  3.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  2.2918207E+10  7.3929700E+07  3.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  2.3657504E+10  7.3929700E+07  3.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  2.4396801E+10  7.3929700E+07  3.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  2.5136098E+10  7.3929700E+07  3.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  2.5875395E+10  7.3929700E+07  3.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  2.6614692E+10  7.3929700E+07  3.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  2.7353989E+10  7.3929700E+07  3.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  2.8093286E+10  7.3929700E+07  3.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  2.8832583E+10  7.3929700E+07  3.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  2.9571880E+10  7.3929700E+07  4.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  3.0311177E+10  7.3929700E+07  4.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  3.1050474E+10  7.3929700E+07  4.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  3.1789771E+10  7.3929700E+07  4.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  3.2529068E+10  7.3929700E+07  4.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  3.3268365E+10  7.3929700E+07  4.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  3.4007662E+10  7.3929700E+07  4.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  3.4746959E+10  7.3929700E+07  4.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  3.5486256E+10  7.3929700E+07  4.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  3.6225553E+10  7.3929700E+07  4.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  3.6964850E+10  7.3929700E+07  5.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  3.7704147E+10  7.3929700E+07  5.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  3.8443444E+10  7.3929700E+07  5.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  3.9182741E+10  7.3929700E+07  5.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  3.9922038E+10  7.3929700E+07  5.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  4.0661335E+10  7.3929700E+07  5.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  4.1400632E+10  7.3929700E+07  5.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  4.2139929E+10  7.3929700E+07  5.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  4.2879226E+10  7.3929700E+07  5.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  4.3618523E+10  7.3929700E+07  5.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  4.4357820E+10  7.3929700E+07  6.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  4.5097117E+10  7.3929700E+07  6.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  4.5836414E+10  7.3929700E+07  6.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  4.6575711E+10  7.3929700E+07  6.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  4.7315008E+10  7.3929700E+07  6.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  4.8054305E+10  7.3929700E+07  6.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  4.8793602E+10  7.3929700E+07  6.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  4.9532899E+10  7.3929700E+07  6.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  5.0272196E+10  7.3929700E+07  6.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  5.1011493E+10  7.3929700E+07  6.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  5.1750790E+10  7.3929700E+07  7.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  5.2490087E+10  7.3929700E+07  7.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  5.3229384E+10  7.3929700E+07  7.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  5.3968681E+10  7.3929700E+07  7.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  5.4707978E+10  7.3929700E+07  7.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  5.5447275E+10  7.3929700E+07  7.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  5.6186572E+10  7.3929700E+07  7.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  5.6925869E+10  7.3929700E+07  7.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  5.7665166E+10  7.3929700E+07  7.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  5.8404463E+10  7.3929700E+07  7.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  5.9143760E+10  7.3929700E+07  8.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  5.9883057E+10  7.3929700E+07  8.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  6.0622354E+10  7.3929700E+07  8.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  6.1361651E+10  7.3929700E+07  8.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  6.2100948E+10  7.3929700E+07  8.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  6.2840245E+10  7.3929700E+07  8.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  6.3579542E+10  7.3929700E+07  8.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  6.4318839E+10  7.3929700E+07  8.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  6.5058136E+10  7.3929700E+07  8.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  6.5797433E+10  7.3929700E+07  8.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  6.6536730E+10  7.3929700E+07  9.0000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  6.7276027E+10  7.3929700E+07  9.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  6.8015324E+10  7.3929700E+07  9.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  6.8754621E+10  7.3929700E+07  9.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  6.9493918E+10  7.3929700E+07  9.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  7.0233215E+10  7.3929700E+07  9.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  7.0972512E+10  7.3929700E+07  9.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  7.1711809E+10  7.3929700E+07  9.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  7.2451106E+10  7.3929700E+07  9.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  7.3190403E+10  7.3929700E+07  9.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  7.3929700E+10  7.3929700E+07  1.0000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  7.4668997E+10  7.3929700E+07  1.0100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  7.5408294E+10  7.3929700E+07  1.0200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  7.6147591E+10  7.3929700E+07  1.0300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  7.6886888E+10  7.3929700E+07  1.0400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  7.7626185E+10  7.3929700E+07  1.0500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  7.8365482E+10  7.3929700E+07  1.0600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  7.9104779E+10  7.3929700E+07  1.0700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  7.9844076E+10  7.3929700E+07  1.0800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  8.0583373E+10  7.3929700E+07  1.0900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  8.1322670E+10  7.3929700E+07  1.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  8.2061967E+10  7.3929700E+07  1.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  8.2801264E+10  7.3929700E+07  1.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  8.3540561E+10  7.3929700E+07  1.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  8.4279858E+10  7.3929700E+07  1.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  8.5019155E+10  7.3929700E+07  1.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  8.5758452E+10  7.3929700E+07  1.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  8.6497749E+10  7.3929700E+07  1.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  8.7237046E+10  7.3929700E+07  1.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  8.7976343E+10  7.3929700E+07  1.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  8.8715640E+10  7.3929700E+07  1.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  8.9454937E+10  7.3929700E+07  1.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  9.0194234E+10  7.3929700E+07  1.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  9.0933531E+10  7.3929700E+07  1.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  9.1672828E+10  7.3929700E+07  1.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  9.2412125E+10  7.3929700E+07  1.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  9.3151422E+10  7.3929700E+07  1.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  9.3890719E+10  7.3929700E+07  1.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  9.4630016E+10  7.3929700E+07  1.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  9.5369313E+10  7.3929700E+07  1.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  9.6108610E+10  7.3929700E+07  1.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  9.6847907E+10  7.3929700E+07  1.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  9.7587204E+10  7.3929700E+07  1.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  9.8326501E+10  7.3929700E+07  1.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  9.9065798E+10  7.3929700E+07  1.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  9.9805095E+10  7.3929700E+07  1.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  1.0054439E+11  7.3929700E+07  1.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  1.0128369E+11  7.3929700E+07  1.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  1.0202299E+11  7.3929700E+07  1.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  1.0276228E+11  7.3929700E+07  1.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  1.0350158E+11  7.3929700E+07  1.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  1.0424088E+11  7.3929700E+07  1.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  1.0498017E+11  7.3929700E+07  1.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  1.0571947E+11  7.3929700E+07  1.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  1.0645877E+11  7.3929700E+07  1.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  1.0719806E+11  7.3929700E+07  1.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  1.0793736E+11  7.3929700E+07  1.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  1.0867666E+11  7.3929700E+07  1.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  1.0941596E+11  7.3929700E+07  1.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  1.1015525E+11  7.3929700E+07  1.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  1.1089455E+11  7.3929700E+07  1.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    2  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  7.1407468E-01  7.9165177E-07  2.0000000E+04 -8.4111820E+01  7.3929700E+10 Line 10(  1): nodal depth, y, M, V, p, EI
  7.2000000E+00  6.8065247E-01  1.4349093E+05  1.9372151E+04 -9.0290679E+01  7.3929700E+10 Line 10(  2): nodal depth, y, M, V, p, EI
  1.4400000E+01  6.4733087E-01  2.8229616E+05  1.8700417E+04 -9.6302188E+01  7.3929700E+10 Line 10(  3): nodal depth, y, M, V, p, EI
  2.1600000E+01  6.1420723E-01  4.1609919E+05  1.7986061E+04 -1.0213005E+02  7.3929700E+10 Line 10(  4): nodal depth, y, M, V, p, EI
  2.8800000E+01  5.8137535E-01  5.4459321E+05  1.7230464E+04 -1.0775790E+02  7.3929700E+10 Line 10(  5): nodal depth, y, M, V, p, EI
  3.6000000E+01  5.4892534E-01  6.6748197E+05  1.6435126E+04 -1.1316928E+02  7.3929700E+10 Line 10(  6): nodal depth, y, M, V, p, EI
  4.3200000E+01  5.1694338E-01  7.8448063E+05  1.5601665E+04 -1.1834766E+02  7.3929700E+10 Line 10(  7): nodal depth, y, M, V, p, EI
  5.0400000E+01  4.8551150E-01  8.9531664E+05  1.4731818E+04 -1.2327645E+02  7.3929700E+10 Line 10(  8): nodal depth, y, M, V, p, EI
  5.7600000E+01  4.5470743E-01  9.9973061E+05  1.3827443E+04 -1.2793899E+02  7.3929700E+10 Line 10(  9): nodal depth, y, M, V, p, EI
  6.4800000E+01  4.2460437E-01  1.0974772E+06  1.2890516E+04 -1.3231853E+02  7.3929700E+10 Line 10( 10): nodal depth, y, M, V, p, EI
  7.2000000E+01  3.9527087E-01  1.1883259E+06  1.1923135E+04 -1.3639831E+02  7.3929700E+10 Line 10( 11): nodal depth, y, M, V, p, EI
  7.9200000E+01  3.6677063E-01  1.2720620E+06  1.0927520E+04 -1.4016144E+02  7.3929700E+10 Line 10( 12): nodal depth, y, M, V, p, EI
  8.6400000E+01  3.3916237E-01  1.3484876E+06  9.9060112E+03 -1.4359099E+02  7.3929700E+10 Line 10( 13): nodal depth, y, M, V, p, EI
  9.3600000E+01  3.1249968E-01  1.4174221E+06  8.8610718E+03 -1.4666995E+02  7.3929700E+10 Line 10( 14): nodal depth, y, M, V, p, EI
  1.0080000E+02  2.8683089E-01  1.4787036E+06  7.7952878E+03 -1.4938117E+02  7.3929700E+10 Line 10( 15): nodal depth, y, M, V, p, EI
  1.0800000E+02  2.6219898E-01  1.5321893E+06  6.7113689E+03 -1.5170741E+02  7.3929700E+10 Line 10( 16): nodal depth, y, M, V, p, EI
  1.1520000E+02  2.3864146E-01  1.5777568E+06  5.6121497E+03 -1.5363125E+02  7.3929700E+10 Line 10( 17): nodal depth, y, M, V, p, EI
  1.2240000E+02  2.1619026E-01  1.6153047E+06  4.5005911E+03 -1.5513504E+02  7.3929700E+10 Line 10( 18): nodal depth, y, M, V, p, EI
  1.2960000E+02  1.9487173E-01  1.6447538E+06  3.3797818E+03 -1.5620086E+02  7.3929700E+10 Line 10( 19): nodal depth, y, M, V, p, EI
  1.3680000E+02  1.7470651E-01  1.6660477E+06  2.2529413E+03 -1.5681039E+02  7.3929700E+10 Line 10( 20): nodal depth, y, M, V, p, EI
  1.4400000E+02  1.5570954E-01  1.6791542E+06  1.1234228E+03 -1.5694477E+02  7.3929700E+10 Line 10( 21): nodal depth, y, M, V, p, EI
  1.5120000E+02  1.3789000E-01  1.6840658E+06 -5.2823954E+00 -1.5658444E+02  7.3929700E+10 Line 10( 22): nodal depth, y, M, V, p, EI
  1.5840000E+02  1.2125133E-01  1.6808011E+06 -1.1295382E+03 -1.5570883E+02  7.3929700E+10 Line 10( 23): nodal depth, y, M, V, p, EI
  1.6560000E+02  1.0579126E-01  1.6694054E+06 -2.2455555E+03 -1.5429598E+02  7.3929700E+10 Line 10( 24): nodal depth, y, M, V, p, EI
  1.7280000E+02  9.1501784E-02  1.6499526E+06 -3.3493802E+03 -1.5232200E+02  7.3929700E+10 Line 10( 25): nodal depth, y, M, V, p, EI
  1.8000000E+02  7.8369266E-02  1.6225455E+06 -4.4368762E+03 -1.4976023E+02  7.3929700E+10 Line 10( 26): nodal depth, y, M, V, p, EI
  1.8720000E+02  6.6374488E-02  1.5873179E+06 -5.5037012E+03 -1.4658005E+02  7.3929700E+10 Line 10( 27): nodal depth, y, M, V, p, EI
  1.9440000E+02  5.5492748E-02  1.5444360E+06 -6.5452715E+03 -1.4274503E+02  7.3929700E+10 Line 10( 28): nodal depth, y, M, V, p, EI
  2.0160000E+02  4.5693976E-02  1.4941000E+06 -7.5567097E+03 -1.3821002E+02  7.3929700E+10 Line 10( 29): nodal depth, y, M, V, p, EI
  2.0880000E+02  3.6942878E-02  1.4365469E+06 -8.5327646E+03 -1.3291636E+02  7.3929700E+10 Line 10( 30): nodal depth, y, M, V, p, EI
  2.1600000E+02  2.9199096E-02  1.3720529E+06 -9.4650770E+03 -1.2605930E+02  7.3929700E+10 Line 10( 31): nodal depth, y, M, V, p, EI
  2.2320000E+02  2.2417406E-02  1.3009760E+06 -1.0338737E+04 -1.1662408E+02  7.3929700E+10 Line 10( 32): nodal depth, y, M, V, p, EI
  2.3040000E+02  1.6547970E-02  1.2238077E+06 -1.1141916E+04 -1.0648119E+02  7.3929700E+10 Line 10( 33): nodal depth, y, M, V, p, EI
  2.3760000E+02  1.1536675E-02  1.1410765E+06 -1.1868605E+04 -9.5376834E+01  7.3929700E+10 Line 10( 34): nodal depth, y, M, V, p, EI
  2.4480000E+02  7.3255115E-03  1.0533609E+06 -1.2656525E+04 -1.2348995E+02  7.3929700E+10 Line 10( 35): nodal depth, y, M, V, p, EI
  2.5200000E+02  3.8529714E-03  9.5920668E+05 -1.3470432E+04 -1.0259522E+02  7.3929700E+10 Line 10( 36): nodal depth, y, M, V, p, EI
  2.5920000E+02  1.0530334E-03  8.5970030E+05 -1.4086456E+04 -6.8522554E+01  7.3929700E+10 Line 10( 37): nodal depth, y, M, V, p, EI
  2.6640000E+02 -1.1440770E-03  7.5661157E+05 -1.4072911E+04  7.2284938E+01  7.3929700E+10 Line 10( 38): nodal depth, y, M, V, p, EI
  2.7360000E+02 -2.8106463E-03  6.5724356E+05 -1.3451764E+04  1.0025607E+02  7.3929700E+10 Line 10( 39): nodal depth, y, M, V, p, EI
  2.8080000E+02 -4.0163520E-03  5.6304978E+05 -1.2673355E+04  1.1596850E+02  7.3929700E+10 Line 10( 40): nodal depth, y, M, V, p, EI
  2.8800000E+02 -4.8272435E-03  4.7484807E+05 -1.1805803E+04  1.2501839E+02  7.3929700E+10 Line 10( 41): nodal depth, y, M, V, p, EI
  2.9520000E+02 -5.3051683E-03  3.9311066E+05 -1.0888590E+04  1.2976284E+02  7.3929700E+10 Line 10( 42): nodal depth, y, M, V, p, EI
  3.0240000E+02 -5.5074413E-03  3.1808638E+05 -9.9457133E+03  1.3214741E+02  7.3929700E+10 Line 10( 43): nodal depth, y, M, V, p, EI
  3.0960000E+02 -5.4866700E-03  2.4990147E+05 -8.9921352E+03  1.3273539E+02  7.3929700E+10 Line 10( 44): nodal depth, y, M, V, p, EI
  3.1680000E+02 -5.2906661E-03  1.8858880E+05 -8.0395182E+03  1.3188045E+02  7.3929700E+10 Line 10( 45): nodal depth, y, M, V, p, EI
  3.2400000E+02 -4.9624225E-03  1.3410619E+05 -7.0973837E+03  1.2982357E+02  7.3929700E+10 Line 10( 46): nodal depth, y, M, V, p, EI
  3.3120000E+02 -4.5401427E-03  8.6348944E+04 -6.1737587E+03  1.2673894E+02  7.3929700E+10 Line 10( 47): nodal depth, y, M, V, p, EI
  3.3840000E+02 -4.0573145E-03  4.5158813E+04 -5.2755688E+03  1.2275826E+02  7.3929700E+10 Line 10( 48): nodal depth, y, M, V, p, EI
  3.4560000E+02 -3.5428206E-03  1.0330887E+04 -4.4088947E+03  1.1798456E+02  7.3929700E+10 Line 10( 49): nodal depth, y, M, V, p, EI
  3.5280000E+02 -3.0210826E-03 -1.8381082E+04 -3.5791484E+03  1.1250050E+02  7.3929700E+10 Line 10( 50): nodal depth, y, M, V, p, EI
  3.6000000E+02 -2.5122335E-03 -4.1260380E+04 -2.7912027E+03  1.0637331E+02  7.3929700E+10 Line 10( 51): nodal depth, y, M, V, p, EI
  3.6720000E+02 -2.0323166E-03 -5.8623838E+04 -2.0494913E+03  9.9657616E+01  7.3929700E+10 Line 10( 52): nodal depth, y, M, V, p, EI
  3.7440000E+02 -1.5935070E-03 -7.0818991E+04 -1.3580972E+03  9.2396302E+01  7.3929700E+10 Line 10( 53): nodal depth, y, M, V, p, EI
  3.8160000E+02 -1.2043562E-03 -7.8221836E+04 -7.2084147E+02  8.4619182E+01  7.3929700E+10 Line 10( 54): nodal depth, y, M, V, p, EI
  3.8880000E+02 -8.7005505E-04 -8.1235281E+04 -1.4139617E+02  7.6337845E+01  7.3929700E+10 Line 10( 55): nodal depth, y, M, V, p, EI
  3.9600000E+02 -5.9271663E-04 -8.0288523E+04  3.7653658E+02  6.7532365E+01  7.3929700E+10 Line 10( 56): nodal depth, y, M, V, p, EI
  4.0320000E+02 -3.7167706E-04 -7.5838073E+04  8.2887228E+02  5.8116440E+01  7.3929700E+10 Line 10( 57): nodal depth, y, M, V, p, EI
  4.1040000E+02 -2.0381566E-04 -6.8372207E+04  1.2102829E+03  4.7830949E+01  7.3929700E+10 Line 10( 58): nodal depth, y, M, V, p, EI
  4.1760000E+02 -8.3897308E-05 -5.8424388E+04  1.5113202E+03  3.5790514E+01  7.3929700E+10 Line 10( 59): nodal depth, y, M, V, p, EI
  4.2480000E+02 -4.9465257E-06 -4.6619141E+04  1.6549238E+03  4.0993795E+00  7.3929700E+10 Line 10( 60): nodal depth, y, M, V, p, EI
  4.3200000E+02  4.1314603E-05 -3.4599747E+04  1.5671210E+03 -2.8489028E+01  7.3929700E+10 Line 10( 61): nodal depth, y, M, V, p, EI
  4.3920000E+02  6.3314158E-05 -2.4056011E+04  1.3455636E+03 -3.3054701E+01  7.3929700E+10 Line 10( 62): nodal depth, y, M, V, p, EI
  4.4640000E+02  6.8445477E-05 -1.5224987E+04  1.1036780E+03 -3.4135747E+01  7.3929700E+10 Line 10( 63): nodal depth, y, M, V, p, EI
  4.5360000E+02  6.2900934E-05 -8.1630269E+03  8.6049028E+02 -3.3416398E+01  7.3929700E+10 Line 10( 64): nodal depth, y, M, V, p, EI
  4.6080000E+02  5.1632421E-05 -2.8330866E+03  6.2660323E+02 -3.1552226E+01  7.3929700E+10 Line 10( 65): nodal depth, y, M, V, p, EI
  4.6800000E+02  3.8377330E-05  8.6128574E+02  4.0890918E+02 -2.8918344E+01  7.3929700E+10 Line 10( 66): nodal depth, y, M, V, p, EI
  4.7520000E+02  2.5726177E-05  3.0565009E+03  2.1192717E+02 -2.5798880E+01  7.3929700E+10 Line 10( 67): nodal depth, y, M, V, p, EI
  4.8240000E+02  1.5218264E-05  3.9141949E+03  3.8112796E+01 -2.2482891E+01  7.3929700E+10 Line 10( 68): nodal depth, y, M, V, p, EI
  4.8960000E+02  7.4550098E-06  3.6062387E+03 -6.6108115E+01 -6.4673624E+00  7.3929700E+10 Line 10( 69): nodal depth, y, M, V, p, EI
  4.9680000E+02  2.2204745E-06  2.9628880E+03 -9.6359757E+01 -1.9358715E+00  7.3929700E+10 Line 10( 70): nodal depth, y, M, V, p, EI
  5.0400000E+02 -9.3646382E-07  2.2190778E+03 -1.0037520E+02  8.2047033E-01  7.3929700E+10 Line 10( 71): nodal depth, y, M, V, p, EI
  5.1120000E+02 -2.5373700E-06  1.5177230E+03 -8.9379050E+01  2.2340162E+00  7.3929700E+10 Line 10( 72): nodal depth, y, M, V, p, EI
  5.1840000E+02 -3.0740387E-06  9.3212634E+02 -7.1545422E+01  2.7197694E+00  7.3929700E+10 Line 10( 73): nodal depth, y, M, V, p, EI
  5.2560000E+02 -2.9570941E-06  4.8748988E+02 -5.2289694E+01  2.6290439E+00  7.3929700E+10 Line 10( 74): nodal depth, y, M, V, p, EI
  5.3280000E+02 -2.4983184E-06  1.7912596E+02 -3.4790194E+01  2.2319282E+00  7.3929700E+10 Line 10( 75): nodal depth, y, M, V, p, EI
  5.4000000E+02 -1.9139384E-06 -1.3541074E+01 -2.0570070E+01  1.7181062E+00  7.3929700E+10 Line 10( 76): nodal depth, y, M, V, p, EI
  5.4720000E+02 -1.3390535E-06 -1.1714101E+02 -1.0036762E+01  1.2078127E+00  7.3929700E+10 Line 10( 77): nodal depth, y, M, V, p, EI
  5.5440000E+02 -8.4630860E-07 -1.5812383E+02 -2.9274055E+00  7.6700846E-01  7.3929700E+10 Line 10( 78): nodal depth, y, M, V, p, EI
  5.6160000E+02 -4.6444121E-07 -1.5933938E+02  1.3563504E+00  4.2292372E-01  7.3929700E+10 Line 10( 79): nodal depth, y, M, V, p, EI
  5.6880000E+02 -1.9430366E-07 -1.3862498E+02  3.5188536E+00  1.7777163E-01  7.3929700E+10 Line 10( 80): nodal depth, y, M, V, p, EI
  5.7600000E+02 -2.1370871E-08 -1.0869004E+02  4.2295522E+00  1.9644647E-02  7.3929700E+10 Line 10( 81): nodal depth, y, M, V, p, EI
  5.8320000E+02  7.5347734E-08 -7.7732912E+01  4.0497626E+00 -6.9586214E-02  7.3929700E+10 Line 10( 82): nodal depth, y, M, V, p, EI
  5.9040000E+02  1.1755950E-07 -5.0380406E+01  3.4065758E+00 -1.0907678E-01  7.3929700E+10 Line 10( 83): nodal depth, y, M, V, p, EI
  5.9760000E+02  1.2444419E-07 -2.8680674E+01  2.5962962E+00 -1.1600090E-01  7.3929700E+10 Line 10( 84): nodal depth, y, M, V, p, EI
  6.0480000E+02  1.1121780E-07 -1.2993424E+01  1.8037489E+00 -1.0415112E-01  7.3929700E+10 Line 10( 85): nodal depth, y, M, V, p, EI
  6.1200000E+02  8.8880333E-08 -2.7049119E+00  1.1277876E+00 -8.3615928E-02  7.3929700E+10 Line 10( 86): nodal depth, y, M, V, p, EI
  6.1920000E+02  6.4646164E-08  3.2490454E+00  6.0682567E-01 -6.1095707E-02  7.3929700E+10 Line 10( 87): nodal depth, y, M, V, p, EI
  6.2640000E+02  4.2690247E-08  6.0356872E+00  2.4097461E-01 -4.0529586E-02  7.3929700E+10 Line 10( 88): nodal depth, y, M, V, p, EI
  6.3360000E+02  2.4966594E-08  6.7210638E+00  9.3501254E-03 -2.3810550E-02  7.3929700E+10 Line 10( 89): nodal depth, y, M, V, p, EI
  6.4080000E+02  1.1955796E-08  6.1718658E+00 -1.1760123E-01 -1.1453715E-02  7.3929700E+10 Line 10( 90): nodal depth, y, M, V, p, EI
  6.4800000E+02  3.2727523E-09  5.0286908E+00 -1.7017250E-01 -3.1494156E-03  7.3929700E+10 Line 10( 91): nodal depth, y, M, V, p, EI
  6.5520000E+02 -1.8841403E-09  3.7220737E+00 -1.7495389E-01  1.8212533E-03  7.3929700E+10 Line 10( 92): nodal depth, y, M, V, p, EI
  6.6240000E+02 -4.4310900E-09  2.5097400E+00 -1.5290914E-01  4.3022863E-03  7.3929700E+10 Line 10( 93): nodal depth, y, M, V, p, EI
  6.6960000E+02 -5.2181931E-09  1.5203488E+00 -1.1910053E-01  5.0889943E-03  7.3929700E+10 Line 10( 94): nodal depth, y, M, V, p, EI
  6.7680000E+02 -4.9392175E-09  7.9471774E-01 -8.3362604E-02  4.8382083E-03  7.3929700E+10 Line 10( 95): nodal depth, y, M, V, p, EI
  6.8400000E+02 -4.1029805E-09  3.1987155E-01 -5.1412747E-02  4.0367519E-03  7.3929700E+10 Line 10( 96): nodal depth, y, M, V, p, EI
  6.9120000E+02 -3.0424474E-09  5.4279354E-02 -2.6057230E-02  3.0064470E-03  7.3929700E+10 Line 10( 97): nodal depth, y, M, V, p, EI
  6.9840000E+02 -1.9438533E-09 -5.5460526E-02 -8.2887998E-03  1.9292281E-03  7.3929700E+10 Line 10( 98): nodal depth, y, M, V, p, EI
  7.0560000E+02 -8.8414845E-10 -6.5187279E-02  1.8291226E-03  8.8130595E-04  7.3929700E+10 Line 10( 99): nodal depth, y, M, V, p, EI
  7.1280000E+02  1.2984662E-10 -2.9224846E-02  4.5338648E-03 -1.2998866E-04  7.3929700E+10 Line 10(100): nodal depth, y, M, V, p, EI
  7.2000000E+02  1.1233490E-09  0.0000000E+00  0.0000000E+00 -1.1294182E-03  7.3929700E+10 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  3.7259504E-01 -2.7895915E+06  3.0000000E+04 -6.7715851E+01  7.3929700E+10 Line 10(  1): nodal depth, y, M, V, p, EI
  7.2000000E+00  3.7161700E-01 -2.5752978E+06  2.9490556E+04 -7.3796382E+01  7.3929700E+10 Line 10(  2): nodal depth, y, M, V, p, EI
  1.4400000E+01  3.6883315E-01 -2.3647394E+06  2.8937475E+04 -7.9837344E+01  7.3929700E+10 Line 10(  3): nodal depth, y, M, V, p, EI
  2.1600000E+01  3.6439112E-01 -2.1582369E+06  2.8341119E+04 -8.5816975E+01  7.3929700E+10 Line 10(  4): nodal depth, y, M, V, p, EI
  2.8800000E+01  3.5843572E-01 -1.9561075E+06  2.7702007E+04 -9.1714080E+01  7.3929700E+10 Line 10(  5): nodal depth, y, M, V, p, EI
  3.6000000E+01  3.5110869E-01 -1.7586639E+06  2.7020808E+04 -9.7507937E+01  7.3929700E+10 Line 10(  6): nodal depth, y, M, V, p, EI
  4.3200000E+01  3.4254847E-01 -1.5662135E+06  2.6298338E+04 -1.0317821E+02  7.3929700E+10 Line 10(  7): nodal depth, y, M, V, p, EI
  5.0400000E+01  3.3289001E-01 -1.3790569E+06  2.5535559E+04 -1.0870491E+02  7.3929700E+10 Line 10(  8): nodal depth, y, M, V, p, EI
  5.7600000E+01  3.2226455E-01 -1.1974872E+06  2.4733575E+04 -1.1406832E+02  7.3929700E+10 Line 10(  9): nodal depth, y, M, V, p, EI
  6.4800000E+01  3.1079940E-01 -1.0217889E+06  2.3893633E+04 -1.1924895E+02  7.3929700E+10 Line 10( 10): nodal depth, y, M, V, p, EI
  7.2000000E+01  2.9861776E-01 -8.5223657E+05  2.3017117E+04 -1.2422755E+02  7.3929700E+10 Line 10( 11): nodal depth, y, M, V, p, EI
  7.9200000E+01  2.8583853E-01 -6.8909434E+05  2.2105552E+04 -1.2898503E+02  7.3929700E+10 Line 10( 12): nodal depth, y, M, V, p, EI
  8.6400000E+01  2.7257611E-01 -5.3261454E+05  2.1160597E+04 -1.3350247E+02  7.3929700E+10 Line 10( 13): nodal depth, y, M, V, p, EI
  9.3600000E+01  2.5894021E-01 -3.8303683E+05  2.0184048E+04 -1.3776108E+02  7.3929700E+10 Line 10( 14): nodal depth, y, M, V, p, EI
  1.0080000E+02  2.4503572E-01 -2.4058723E+05  1.9177837E+04 -1.4174219E+02  7.3929700E+10 Line 10( 15): nodal depth, y, M, V, p, EI
  1.0800000E+02  2.3096253E-01 -1.0547710E+05  1.8144027E+04 -1.4542726E+02  7.3929700E+10 Line 10( 16): nodal depth, y, M, V, p, EI
  1.1520000E+02  2.1681538E-01  2.2097774E+04  1.7084816E+04 -1.4879780E+02  7.3929700E+10 Line 10( 17): nodal depth, y, M, V, p, EI
  1.2240000E+02  2.0268373E-01  1.4195819E+05  1.6002537E+04 -1.5183542E+02  7.3929700E+10 Line 10( 18): nodal depth, y, M, V, p, EI
  1.2960000E+02  1.8865162E-01  2.5394249E+05  1.4899651E+04 -1.5452176E+02  7.3929700E+10 Line 10( 19): nodal depth, y, M, V, p, EI
  1.3680000E+02  1.7479757E-01  3.5790748E+05  1.3778754E+04 -1.5683848E+02  7.3929700E+10 Line 10( 20): nodal depth, y, M, V, p, EI
  1.4400000E+02  1.6119449E-01  4.5372941E+05  1.2642573E+04 -1.5876725E+02  7.3929700E+10 Line 10( 21): nodal depth, y, M, V, p, EI
  1.5120000E+02  1.4790957E-01  5.4130493E+05  1.1493968E+04 -1.6028968E+02  7.3929700E+10 Line 10( 22): nodal depth, y, M, V, p, EI
  1.5840000E+02  1.3500422E-01  6.2055206E+05  1.0335931E+04 -1.6138729E+02  7.3929700E+10 Line 10( 23): nodal depth, y, M, V, p, EI
  1.6560000E+02  1.2253400E-01  6.9141112E+05  9.1715879E+03 -1.6204143E+02  7.3929700E+10 Line 10( 24): nodal depth, y, M, V, p, EI
  1.7280000E+02  1.1054860E-01  7.5384571E+05  8.0041994E+03 -1.6223318E+02  7.3929700E+10 Line 10( 25): nodal depth, y, M, V, p, EI
  1.8000000E+02  9.9091806E-02  8.0784370E+05  6.8371641E+03 -1.6194327E+02  7.3929700E+10 Line 10( 26): nodal depth, y, M, V, p, EI
  1.8720000E+02  8.8201476E-02  8.5341823E+05  5.6740216E+03 -1.6115188E+02  7.3929700E+10 Line 10( 27): nodal depth, y, M, V, p, EI
  1.9440000E+02  7.7909569E-02  8.9060873E+05  4.5184564E+03 -1.5983845E+02  7.3929700E+10 Line 10( 28): nodal depth, y, M, V, p, EI
  2.0160000E+02  6.8242162E-02  9.1948197E+05  3.3743052E+03 -1.5798133E+02  7.3929700E+10 Line 10( 29): nodal depth, y, M, V, p, EI
  2.0880000E+02  5.9219502E-02  9.4013322E+05  2.2455657E+03 -1.5555741E+02  7.3929700E+10 Line 10( 30): nodal depth, y, M, V, p, EI
  2.1600000E+02  5.0856070E-02  9.5268742E+05  1.1395477E+03 -1.5166980E+02  7.3929700E+10 Line 10( 31): nodal depth, y, M, V, p, EI
  2.2320000E+02  4.3160669E-02  9.5734565E+05  7.1233265E+01 -1.4508422E+02  7.3929700E+10 Line 10( 32): nodal depth, y, M, V, p, EI
  2.3040000E+02  3.6136565E-02  9.5444915E+05 -9.4839090E+02 -1.3814471E+02  7.3929700E+10 Line 10( 33): nodal depth, y, M, V, p, EI
  2.3760000E+02  2.9781727E-02  9.4435777E+05 -1.9167130E+03 -1.3083366E+02  7.3929700E+10 Line 10( 34): nodal depth, y, M, V, p, EI
  2.4480000E+02  2.4089080E-02  9.2745086E+05 -3.0487617E+03 -1.8362433E+02  7.3929700E+10 Line 10( 35): nodal depth, y, M, V, p, EI
  2.5200000E+02  1.9046767E-02  9.0099235E+05 -4.3388788E+03 -1.7474152E+02  7.3929700E+10 Line 10( 36): nodal depth, y, M, V, p, EI
  2.5920000E+02  1.4636235E-02  8.6544365E+05 -5.5605779E+03 -1.6461934E+02  7.3929700E+10 Line 10( 37): nodal depth, y, M, V, p, EI
  2.6640000E+02  1.0832559E-02  8.2133074E+05 -6.7042633E+03 -1.5307106E+02  7.3929700E+10 Line 10( 38): nodal depth, y, M, V, p, EI
  2.7360000E+02  7.6048051E-03  7.6925383E+05 -7.7585154E+03 -1.3977673E+02  7.3929700E+10 Line 10( 39): nodal depth, y, M, V, p, EI
  2.8080000E+02  4.9164572E-03  7.0990392E+05 -8.7085459E+03 -1.2412063E+02  7.3929700E+10 Line 10( 40): nodal depth, y, M, V, p, EI
  2.8800000E+02  2.7258988E-03  6.4409471E+05 -9.5276521E+03 -1.0340889E+02  7.3929700E+10 Line 10( 41): nodal depth, y, M, V, p, EI
  2.9520000E+02  9.8698381E-04  5.7290221E+05 -1.0167036E+04 -7.4197813E+01  7.3929700E+10 Line 10( 42): nodal depth, y, M, V, p, EI
  3.0240000E+02 -3.5020829E-04  4.9784320E+05 -1.0244994E+04  5.2542867E+01  7.3929700E+10 Line 10( 43): nodal depth, y, M, V, p, EI
  3.0960000E+02 -1.3383094E-03  4.2549056E+05 -9.7575361E+03  8.2862104E+01  7.3929700E+10 Line 10( 44): nodal depth, y, M, V, p, EI
  3.1680000E+02 -2.0280537E-03  3.5741857E+05 -9.1145245E+03  9.5752242E+01  7.3929700E+10 Line 10( 45): nodal depth, y, M, V, p, EI
  3.2400000E+02 -2.4671737E-03  2.9429785E+05 -8.3997077E+03  1.0280799E+02  7.3929700E+10 Line 10( 46): nodal depth, y, M, V, p, EI
  3.3120000E+02 -2.6999301E-03  2.3649637E+05 -7.6460323E+03  1.0654629E+02  7.3929700E+10 Line 10( 47): nodal depth, y, M, V, p, EI
  3.3840000E+02 -2.7668536E-03  1.8420996E+05 -6.8735823E+03  1.0802315E+02  7.3929700E+10 Line 10( 48): nodal depth, y, M, V, p, EI
  3.4560000E+02 -2.7046079E-03  1.3751702E+05 -6.0966028E+03  1.0780448E+02  7.3929700E+10 Line 10( 49): nodal depth, y, M, V, p, EI
  3.5280000E+02 -2.5459344E-03  9.6407838E+04 -5.3260484E+03  1.0623842E+02  7.3929700E+10 Line 10( 50): nodal depth, y, M, V, p, EI
  3.6000000E+02 -2.3196590E-03  6.0802676E+04 -4.5707760E+03  1.0355945E+02  7.3929700E+10 Line 10( 51): nodal depth, y, M, V, p, EI
  3.6720000E+02 -2.0507484E-03  3.0563904E+04 -3.8381923E+03  9.9936031E+01  7.3929700E+10 Line 10( 52): nodal depth, y, M, V, p, EI
  3.7440000E+02 -1.7604061E-03  5.5047441E+03 -3.1346401E+03  9.5495139E+01  7.3929700E+10 Line 10( 53): nodal depth, y, M, V, p, EI
  3.8160000E+02 -1.4662039E-03 -1.4604141E+04 -2.4656486E+03  9.0335824E+01  7.3929700E+10 Line 10( 54): nodal depth, y, M, V, p, EI
  3.8880000E+02 -1.1822422E-03 -3.0029505E+04 -1.8361064E+03  8.4537008E+01  7.3929700E+10 Line 10( 55): nodal depth, y, M, V, p, EI
  3.9600000E+02 -9.1933743E-04 -4.1071417E+04 -1.2503915E+03  7.8161598E+01  7.3929700E+10 Line 10( 56): nodal depth, y, M, V, p, EI
  4.0320000E+02 -6.8523219E-04 -4.8059992E+04 -7.1248252E+02  7.1257554E+01  7.3929700E+10 Line 10( 57): nodal depth, y, M, V, p, EI
  4.1040000E+02 -4.8482693E-04 -5.1352891E+04 -2.2607733E+02  6.3854998E+01  7.3929700E+10 Line 10( 58): nodal depth, y, M, V, p, EI
  4.1760000E+02 -3.2043067E-04 -5.1333746E+04  2.0524040E+02  5.5955483E+01  7.3929700E+10 Line 10( 59): nodal depth, y, M, V, p, EI
  4.2480000E+02 -1.9202997E-04 -4.8412069E+04  5.7768077E+02  4.7500176E+01  7.3929700E+10 Line 10( 60): nodal depth, y, M, V, p, EI
  4.3200000E+02 -9.7576139E-05 -4.3026285E+04  8.8642989E+02  3.8263469E+01  7.3929700E+10 Line 10( 61): nodal depth, y, M, V, p, EI
  4.3920000E+02 -3.3292626E-05 -3.5655415E+04  1.1226167E+03  2.7343992E+01  7.3929700E+10 Line 10( 62): nodal depth, y, M, V, p, EI
  4.4640000E+02  5.9890709E-06 -2.6865782E+04  1.1730002E+03 -1.3348599E+01  7.3929700E+10 Line 10( 63): nodal depth, y, M, V, p, EI
  4.5360000E+02  2.6432301E-05 -1.8767199E+04  1.0374160E+03 -2.4313682E+01  7.3929700E+10 Line 10( 64): nodal depth, y, M, V, p, EI
  4.6080000E+02  3.3715847E-05 -1.1928379E+04  8.5345179E+02 -2.6787476E+01  7.3929700E+10 Line 10( 65): nodal depth, y, M, V, p, EI
  4.6800000E+02  3.2635132E-05 -6.4778036E+03  6.6067852E+02 -2.6760653E+01  7.3929700E+10 Line 10( 66): nodal depth, y, M, V, p, EI
  4.7520000E+02  2.7012139E-05 -2.4142732E+03  4.7314004E+02 -2.5333369E+01  7.3929700E+10 Line 10( 67): nodal depth, y, M, V, p, EI
  4.8240000E+02  1.9696241E-05  3.3605998E+02  2.9921844E+02 -2.2978188E+01  7.3929700E+10 Line 10( 68): nodal depth, y, M, V, p, EI
  4.8960000E+02  1.2615991E-05  1.8951921E+03  1.4462551E+02 -1.9964292E+01  7.3929700E+10 Line 10( 69): nodal depth, y, M, V, p, EI
  4.9680000E+02  6.8646621E-06  2.4193089E+03  1.3530831E+01 -1.6450896E+01  7.3929700E+10 Line 10( 70): nodal depth, y, M, V, p, EI
  5.0400000E+02  2.8097687E-06  2.0905264E+03 -5.4554665E+01 -2.4617415E+00  7.3929700E+10 Line 10( 71): nodal depth, y, M, V, p, EI
  5.1120000E+02  2.2076641E-07  1.6340539E+03 -6.4116677E+01 -1.9437281E-01  7.3929700E+10 Line 10( 72): nodal depth, y, M, V, p, EI
  5.1840000E+02 -1.2224264E-06  1.1674478E+03 -6.0922849E+01  1.0815472E+00  7.3929700E+10 Line 10( 73): nodal depth, y, M, V, p, EI
  5.2560000E+02 -1.8469969E-06  7.5686825E+02 -5.1117729E+01  1.6420972E+00  7.3929700E+10 Line 10( 74): nodal depth, y, M, V, p, EI
  5.3280000E+02 -1.9408464E-06  4.3138846E+02 -3.8964146E+01  1.7338982E+00  7.3929700E+10 Line 10( 75): nodal depth, y, M, V, p, EI
  5.4000000E+02 -1.7322034E-06  1.9577882E+02 -2.7124234E+01  1.5549662E+00  7.3929700E+10 Line 10( 76): nodal depth, y, M, V, p, EI
  5.4720000E+02 -1.3862790E-06  4.0771762E+01 -1.7024881E+01  1.2504097E+00  7.3929700E+10 Line 10( 77): nodal depth, y, M, V, p, EI
  5.5440000E+02 -1.0117652E-06 -4.9415484E+01 -9.2223440E+00  9.1696156E-01  7.3929700E+10 Line 10( 78): nodal depth, y, M, V, p, EI
  5.6160000E+02 -6.7190181E-07 -9.2065710E+01 -3.7186622E+00  6.1183894E-01  7.3929700E+10 Line 10( 79): nodal depth, y, M, V, p, EI
  5.6880000E+02 -3.9659553E-07 -1.0299498E+02 -2.0977548E-01  3.6285181E-01  7.3929700E+10 Line 10( 80): nodal depth, y, M, V, p, EI
  5.7600000E+02 -1.9351002E-07 -9.5110396E+01  1.7368566E+00  1.7787932E-01  7.3929700E+10 Line 10( 81): nodal depth, y, M, V, p, EI
  5.8320000E+02 -5.7116553E-08 -7.8001216E+01  2.5671189E+00  5.2749094E-02  7.3929700E+10 Line 10( 82): nodal depth, y, M, V, p, EI
  5.9040000E+02  2.4581940E-08 -5.8154789E+01  2.6749062E+00 -2.2808184E-02  7.3929700E+10 Line 10( 83): nodal depth, y, M, V, p, EI
  5.9760000E+02  6.5501906E-08 -3.9488698E+01  2.3729889E+00 -6.1057733E-02  7.3929700E+10 Line 10( 84): nodal depth, y, M, V, p, EI
  6.0480000E+02  7.8732132E-08 -2.3986456E+01  1.8877546E+00 -7.3729562E-02  7.3929700E+10 Line 10( 85): nodal depth, y, M, V, p, EI
  6.1200000E+02  7.5142896E-08 -1.2305514E+01  1.3678364E+00 -7.0692163E-02  7.3929700E+10 Line 10( 86): nodal depth, y, M, V, p, EI
  6.1920000E+02  6.2924950E-08 -4.2888216E+00  8.9925613E-01 -5.9469025E-02  7.3929700E+10 Line 10( 87): nodal depth, y, M, V, p, EI
  6.2640000E+02  4.7699654E-08  6.4514668E-01  5.2214001E-01 -4.5285455E-02  7.3929700E+10 Line 10( 88): nodal depth, y, M, V, p, EI
  6.3360000E+02  3.2926739E-08  3.2314944E+00  2.4606477E-01 -3.1402111E-02  7.3929700E+10 Line 10( 89): nodal depth, y, M, V, p, EI
  6.4080000E+02  2.0419770E-08  4.1898434E+00  6.2593085E-02 -1.9562246E-02  7.3929700E+10 Line 10( 90): nodal depth, y, M, V, p, EI
  6.4800000E+02  1.0850747E-08  4.1339386E+00 -4.5421579E-02 -1.0441827E-02  7.3929700E+10 Line 10( 91): nodal depth, y, M, V, p, EI
  6.5520000E+02  4.1804697E-09  3.5365846E+00 -9.7559533E-02 -4.0409379E-03  7.3929700E+10 Line 10( 92): nodal depth, y, M, V, p, EI
  6.6240000E+02 -9.9311189E-12  2.7296244E+00 -1.1207220E-01  9.6424394E-06  7.3929700E+10 Line 10( 93): nodal depth, y, M, V, p, EI
  6.6960000E+02 -2.2863010E-09  1.9230684E+00 -1.0401059E-01  2.2296938E-03  7.3929700E+10 Line 10( 94): nodal depth, y, M, V, p, EI
  6.7680000E+02 -3.2142025E-09  1.2320322E+00 -8.4649194E-02  3.1484707E-03  7.3929700E+10 Line 10( 95): nodal depth, y, M, V, p, EI
  6.8400000E+02 -3.2781948E-09  7.0416955E-01 -6.1703693E-02  3.2252796E-03  7.3929700E+10 Line 10( 96): nodal depth, y, M, V, p, EI
  6.9120000E+02 -2.8484187E-09  3.4348072E-01 -3.9959715E-02  2.8147142E-03  7.3929700E+10 Line 10( 97): nodal depth, y, M, V, p, EI
  6.9840000E+02 -2.1777916E-09  1.2869463E-01 -2.2045681E-02  2.1614063E-03  7.3929700E+10 Line 10( 98): nodal depth, y, M, V, p, EI
  7.0560000E+02 -1.4169230E-09  2.5951334E-02 -9.1800955E-03  1.4123676E-03  7.3929700E+10 Line 10( 99): nodal depth, y, M, V, p, EI
  7.1280000E+02 -6.3785710E-10 -3.5757373E-03 -1.7967745E-03  6.3855486E-04  7.3929700E+10 Line 10(100): nodal depth, y, M, V, p, EI
  7.2000000E+02  1.3870145E-10  0.0000000E+00  0.0000000E+00 -1.3945082E-04  7.3929700E+10 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  2.0000000E+04  7.1407468E-01  1.6840658E+06  2.0000000E+04 -4.6419740E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  3.0000000E+04  3.7259504E-01 -2.7895915E+06  3.0000000E+04  6.5533998E-17     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
