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
  0.0000000E+00  7.1367360E-01 -4.4332499E-06  2.0000000E+04 -8.4096054E+01  7.3929700E+10 Line 10(  1): nodal depth, y, M, V, p, EI
  7.2000000E+00  6.8025475E-01  1.4349117E+05  1.9372271E+04 -9.0273073E+01  7.3929700E+10 Line 10(  2): nodal depth, y, M, V, p, EI
  1.4400000E+01  6.4693651E-01  2.8229756E+05  1.8700671E+04 -9.6282610E+01  7.3929700E+10 Line 10(  3): nodal depth, y, M, V, p, EI
  2.1600000E+01  6.1381623E-01  4.1610276E+05  1.7986463E+04 -1.0210836E+02  7.3929700E+10 Line 10(  4): nodal depth, y, M, V, p, EI
  2.8800000E+01  5.8098771E-01  5.4460007E+05  1.7231031E+04 -1.0773393E+02  7.3929700E+10 Line 10(  5): nodal depth, y, M, V, p, EI
  3.6000000E+01  5.4854108E-01  6.6749336E+05  1.6435875E+04 -1.1314285E+02  7.3929700E+10 Line 10(  6): nodal depth, y, M, V, p, EI
  4.3200000E+01  5.1656250E-01  7.8449792E+05  1.5602613E+04 -1.1831857E+02  7.3929700E+10 Line 10(  7): nodal depth, y, M, V, p, EI
  5.0400000E+01  4.8513401E-01  8.9534135E+05  1.4732987E+04 -1.2324447E+02  7.3929700E+10 Line 10(  8): nodal depth, y, M, V, p, EI
  5.7600000E+01  4.5433334E-01  9.9976439E+05  1.3828853E+04 -1.2790387E+02  7.3929700E+10 Line 10(  9): nodal depth, y, M, V, p, EI
  6.4800000E+01  4.2423371E-01  1.0975218E+06  1.2892191E+04 -1.3227999E+02  7.3929700E+10 Line 10( 10): nodal depth, y, M, V, p, EI
  7.2000000E+01  3.9490367E-01  1.1883834E+06  1.1925101E+04 -1.3635603E+02  7.3929700E+10 Line 10( 11): nodal depth, y, M, V, p, EI
  7.9200000E+01  3.6640694E-01  1.2721346E+06  1.0929805E+04 -1.4011507E+02  7.3929700E+10 Line 10( 12): nodal depth, y, M, V, p, EI
  8.6400000E+01  3.3880223E-01  1.3485777E+06  9.9086463E+03 -1.4354012E+02  7.3929700E+10 Line 10( 13): nodal depth, y, M, V, p, EI
  9.3600000E+01  3.1214316E-01  1.4175323E+06  8.8640911E+03 -1.4661412E+02  7.3929700E+10 Line 10( 14): nodal depth, y, M, V, p, EI
  1.0080000E+02  2.8647807E-01  1.4788368E+06  7.7987287E+03 -1.4931986E+02  7.3929700E+10 Line 10( 15): nodal depth, y, M, V, p, EI
  1.0800000E+02  2.6184995E-01  1.5323487E+06  6.7152731E+03 -1.5164003E+02  7.3929700E+10 Line 10( 16): nodal depth, y, M, V, p, EI
  1.1520000E+02  2.3829632E-01  1.5779458E+06  5.6165634E+03 -1.5355712E+02  7.3929700E+10 Line 10( 17): nodal depth, y, M, V, p, EI
  1.2240000E+02  2.1584916E-01  1.6155272E+06  4.5055656E+03 -1.5505337E+02  7.3929700E+10 Line 10( 18): nodal depth, y, M, V, p, EI
  1.2960000E+02  1.9453481E-01  1.6450140E+06  3.3853748E+03 -1.5611075E+02  7.3929700E+10 Line 10( 19): nodal depth, y, M, V, p, EI
  1.3680000E+02  1.7437397E-01  1.6663504E+06  2.2592172E+03 -1.5671079E+02  7.3929700E+10 Line 10( 20): nodal depth, y, M, V, p, EI
  1.4400000E+02  1.5538157E-01  1.6795044E+06  1.1304542E+03 -1.5683447E+02  7.3929700E+10 Line 10( 21): nodal depth, y, M, V, p, EI
  1.5120000E+02  1.3756686E-01  1.6844693E+06  2.5869482E+00 -1.5646200E+02  7.3929700E+10 Line 10( 22): nodal depth, y, M, V, p, EI
  1.5840000E+02  1.2093331E-01  1.6812641E+06 -1.1207374E+03 -1.5557254E+02  7.3929700E+10 Line 10( 23): nodal depth, y, M, V, p, EI
  1.6560000E+02  1.0547867E-01  1.6699351E+06 -2.2357164E+03 -1.5414383E+02  7.3929700E+10 Line 10( 24): nodal depth, y, M, V, p, EI
  1.7280000E+02  9.1195004E-02  1.6505567E+06 -3.3383797E+03 -1.5215154E+02  7.3929700E+10 Line 10( 25): nodal depth, y, M, V, p, EI
  1.8000000E+02  7.8068717E-02  1.6232329E+06 -4.4245719E+03 -1.4956851E+02  7.3929700E+10 Line 10( 26): nodal depth, y, M, V, p, EI
  1.8720000E+02  6.6080652E-02  1.5880986E+06 -5.4899268E+03 -1.4636341E+02  7.3929700E+10 Line 10( 27): nodal depth, y, M, V, p, EI
  1.9440000E+02  5.5206172E-02  1.5453211E+06 -6.5298310E+03 -1.4249887E+02  7.3929700E+10 Line 10( 28): nodal depth, y, M, V, p, EI
  2.0160000E+02  4.5415282E-02  1.4951023E+06 -7.5393693E+03 -1.3792845E+02  7.3929700E+10 Line 10( 29): nodal depth, y, M, V, p, EI
  2.0880000E+02  3.6672768E-02  1.4376808E+06 -8.5132416E+03 -1.3259163E+02  7.3929700E+10 Line 10( 30): nodal depth, y, M, V, p, EI
  2.1600000E+02  2.8938365E-02  1.3733354E+06 -9.4430303E+03 -1.2568299E+02  7.3929700E+10 Line 10( 31): nodal depth, y, M, V, p, EI
  2.2320000E+02  2.2166954E-02  1.3024265E+06 -1.0313767E+04 -1.1618819E+02  7.3929700E+10 Line 10( 32): nodal depth, y, M, V, p, EI
  2.3040000E+02  1.6308813E-02  1.2254487E+06 -1.1113521E+04 -1.0596583E+02  7.3929700E+10 Line 10( 33): nodal depth, y, M, V, p, EI
  2.3760000E+02  1.1309965E-02  1.1429346E+06 -1.1836091E+04 -9.4748127E+01  7.3929700E+10 Line 10( 34): nodal depth, y, M, V, p, EI
  2.4480000E+02  7.1125500E-03  1.0554688E+06 -1.2671742E+04 -1.3737703E+02  7.3929700E+10 Line 10( 35): nodal depth, y, M, V, p, EI
  2.5200000E+02  3.6552371E-03  9.6084429E+05 -1.3564857E+04 -1.1071047E+02  7.3929700E+10 Line 10( 36): nodal depth, y, M, V, p, EI
  2.5920000E+02  8.7167471E-04  8.6044689E+05 -1.4212248E+04 -6.9120470E+01  7.3929700E+10 Line 10( 37): nodal depth, y, M, V, p, EI
  2.6640000E+02 -1.3085366E-03  7.5643611E+05 -1.4175005E+04  7.9465687E+01  7.3929700E+10 Line 10( 38): nodal depth, y, M, V, p, EI
  2.7360000E+02 -2.9583299E-03  6.5651831E+05 -1.3511104E+04  1.0495145E+02  7.3929700E+10 Line 10( 39): nodal depth, y, M, V, p, EI
  2.8080000E+02 -4.1477681E-03  5.6201817E+05 -1.2707892E+04  1.1816300E+02  7.3929700E+10 Line 10( 40): nodal depth, y, M, V, p, EI
  2.8800000E+02 -4.9431155E-03  4.7362391E+05 -1.1828865E+04  1.2601116E+02  7.3929700E+10 Line 10( 41): nodal depth, y, M, V, p, EI
  2.9520000E+02 -5.4063546E-03  3.9174545E+05 -1.0905126E+04  1.3058287E+02  7.3929700E+10 Line 10( 42): nodal depth, y, M, V, p, EI
  3.0240000E+02 -5.5948991E-03  3.1662268E+05 -9.9567918E+03  1.3284338E+02  7.3929700E+10 Line 10( 43): nodal depth, y, M, V, p, EI
  3.0960000E+02 -5.5614258E-03  2.4837540E+05 -8.9985475E+03  1.3333559E+02  7.3929700E+10 Line 10( 44): nodal depth, y, M, V, p, EI
  3.1680000E+02 -5.3537899E-03  1.8703154E+05 -8.0418890E+03  1.3240289E+02  7.3929700E+10 Line 10( 45): nodal depth, y, M, V, p, EI
  3.2400000E+02 -5.0150063E-03  1.3254488E+05 -7.0962291E+03  1.3028044E+02  7.3929700E+10 Line 10( 46): nodal depth, y, M, V, p, EI
  3.3120000E+02 -4.5832813E-03  8.4807313E+04 -6.1695195E+03  1.2713889E+02  7.3929700E+10 Line 10( 47): nodal depth, y, M, V, p, EI
  3.3840000E+02 -4.0920888E-03  4.3657653E+04 -5.2686321E+03  1.2310761E+02  7.3929700E+10 Line 10( 48): nodal depth, y, M, V, p, EI
  3.4560000E+02 -3.5702833E-03  8.8883610E+03 -4.3996078E+03  1.1828804E+02  7.3929700E+10 Line 10( 49): nodal depth, y, M, V, p, EI
  3.5280000E+02 -3.0422453E-03 -1.9749191E+04 -3.5678290E+03  1.1276163E+02  7.3929700E+10 Line 10( 50): nodal depth, y, M, V, p, EI
  3.6000000E+02 -2.5280555E-03 -4.2540488E+04 -2.7781463E+03  1.0659469E+02  7.3929700E+10 Line 10( 51): nodal depth, y, M, V, p, EI
  3.6720000E+02 -2.0436953E-03 -5.9804425E+04 -2.0349777E+03  9.9841028E+01  7.3929700E+10 Line 10( 52): nodal depth, y, M, V, p, EI
  3.7440000E+02 -1.6012705E-03 -7.1890506E+04 -1.3423961E+03  9.2542751E+01  7.3929700E+10 Line 10( 53): nodal depth, y, M, V, p, EI
  3.8160000E+02 -1.2092557E-03 -7.9176650E+04 -7.0421872E+02  8.4728738E+01  7.3929700E+10 Line 10( 54): nodal depth, y, M, V, p, EI
  3.8880000E+02 -8.7276017E-04 -8.2067681E+04 -1.2412182E+02  7.6409290E+01  7.3929700E+10 Line 10( 55): nodal depth, y, M, V, p, EI
  3.9600000E+02 -5.9381102E-04 -8.0994777E+04  3.9417605E+02  6.7562342E+01  7.3929700E+10 Line 10( 56): nodal depth, y, M, V, p, EI
  4.0320000E+02 -3.7165594E-04 -7.6416601E+04  8.4655075E+02  5.8097296E+01  7.3929700E+10 Line 10( 57): nodal depth, y, M, V, p, EI
  4.1040000E+02 -2.0308470E-04 -6.8823982E+04  1.2275797E+03  4.7744071E+01  7.3929700E+10 Line 10( 58): nodal depth, y, M, V, p, EI
  4.1760000E+02 -8.2773290E-05 -5.8753898E+04  1.5275251E+03  3.5574100E+01  7.3929700E+10 Line 10( 59): nodal depth, y, M, V, p, EI
  4.2480000E+02 -3.6605093E-06 -4.6837592E+04  1.6665128E+03  3.0336074E+00  7.3929700E+10 Line 10( 60): nodal depth, y, M, V, p, EI
  4.3200000E+02  4.2609439E-05 -3.4762382E+04  1.5735657E+03 -2.8852258E+01  7.3929700E+10 Line 10( 61): nodal depth, y, M, V, p, EI
  4.3920000E+02  6.4503772E-05 -2.4181654E+04  1.3498772E+03 -3.3283440E+01  7.3929700E+10 Line 10( 62): nodal depth, y, M, V, p, EI
  4.4640000E+02  6.9441768E-05 -1.5325492E+04  1.1066752E+03 -3.4272665E+01  7.3929700E+10 Line 10( 63): nodal depth, y, M, V, p, EI
  4.5360000E+02  6.3633425E-05 -8.2454880E+03  8.6293933E+02 -3.3431743E+01  7.3929700E+10 Line 10( 64): nodal depth, y, M, V, p, EI
  4.6080000E+02  5.2043292E-05 -2.8982961E+03  6.2966713E+02 -3.1366092E+01  7.3929700E+10 Line 10( 65): nodal depth, y, M, V, p, EI
  4.6800000E+02  3.8420854E-05  8.2297926E+02  4.1460286E+02 -2.8373984E+01  7.3929700E+10 Line 10( 66): nodal depth, y, M, V, p, EI
  4.7520000E+02  2.5375494E-05  3.0733184E+03  2.2390715E+02 -2.4597046E+01  7.3929700E+10 Line 10( 67): nodal depth, y, M, V, p, EI
  4.8240000E+02  1.4485166E-05  4.0484390E+03  6.3241614E+01 -2.0032269E+01  7.3929700E+10 Line 10( 68): nodal depth, y, M, V, p, EI
  4.8960000E+02  6.4336302E-06  3.9849447E+03 -6.0711354E+01 -1.4399111E+01  7.3929700E+10 Line 10( 69): nodal depth, y, M, V, p, EI
  4.9680000E+02  1.1763643E-06  3.1748609E+03 -1.1624027E+02 -1.0255872E+00  7.3929700E+10 Line 10( 70): nodal depth, y, M, V, p, EI
  5.0400000E+02 -1.8546678E-06  2.3114993E+03 -1.1408259E+02  1.6249425E+00  7.3929700E+10 Line 10( 71): nodal depth, y, M, V, p, EI
  5.1120000E+02 -3.2648612E-06  1.5322937E+03 -9.7884479E+01  2.8745326E+00  7.3929700E+10 Line 10( 72): nodal depth, y, M, V, p, EI
  5.1840000E+02 -3.6006000E-06  9.0205010E+02 -7.6067833E+01  3.1856468E+00  7.3929700E+10 Line 10( 73): nodal depth, y, M, V, p, EI
  5.2560000E+02 -3.3038152E-06  4.3691883E+02 -5.4025221E+01  2.9373009E+00  7.3929700E+10 Line 10( 74): nodal depth, y, M, V, p, EI
  5.3280000E+02 -2.7006600E-06  1.2404191E+02 -3.4765238E+01  2.4126945E+00  7.3929700E+10 Line 10( 75): nodal depth, y, M, V, p, EI
  5.4000000E+02 -2.0105258E-06 -6.3765263E+01 -1.9582218E+01  1.8048109E+00  7.3929700E+10 Line 10( 76): nodal depth, y, M, V, p, EI
  5.4720000E+02 -1.3651043E-06 -1.5800880E+02 -8.6521815E+00  1.2313103E+00  7.3929700E+10 Line 10( 77): nodal depth, y, M, V, p, EI
  5.5440000E+02 -8.3047955E-07 -1.8841568E+02 -1.5098791E+00  7.5266261E-01  7.3929700E+10 Line 10( 78): nodal depth, y, M, V, p, EI
  5.6160000E+02 -4.2797315E-07 -1.7979792E+02  2.6026826E+00  3.8971563E-01  7.3929700E+10 Line 10( 79): nodal depth, y, M, V, p, EI
  5.6880000E+02 -1.5154226E-07 -1.5097100E+02  4.5047935E+00  1.3864852E-01  7.3929700E+10 Line 10( 80): nodal depth, y, M, V, p, EI
  5.7600000E+02  1.9026758E-08 -1.1495124E+02  4.9409646E+00 -1.7489879E-02  7.3929700E+10 Line 10( 81): nodal depth, y, M, V, p, EI
  5.8320000E+02  1.0899120E-07 -7.9834133E+01  4.5156355E+00 -1.0065711E-01  7.3929700E+10 Line 10( 82): nodal depth, y, M, V, p, EI
  5.9040000E+02  1.4297541E-07 -4.9932288E+01  3.6756984E+00 -1.3265875E-01  7.3929700E+10 Line 10( 83): nodal depth, y, M, V, p, EI
  5.9760000E+02  1.4194677E-07 -2.6905723E+01  2.7217894E+00 -1.3231596E-01  7.3929700E+10 Line 10( 84): nodal depth, y, M, V, p, EI
  6.0480000E+02  1.2205165E-07 -1.0737474E+01  1.8339842E+00 -1.1429659E-01  7.3929700E+10 Line 10( 85): nodal depth, y, M, V, p, EI
  6.1200000E+02  9.4627345E-08 -4.9398410E-01  1.1020353E+00 -8.9022543E-02  7.3929700E+10 Line 10( 86): nodal depth, y, M, V, p, EI
  6.1920000E+02  6.6856656E-08  5.1345946E+00  5.5408892E-01 -6.3184796E-02  7.3929700E+10 Line 10( 87): nodal depth, y, M, V, p, EI
  6.2640000E+02  4.2686379E-08  7.4874934E+00  1.8073037E-01 -4.0525914E-02  7.3929700E+10 Line 10( 88): nodal depth, y, M, V, p, EI
  6.3360000E+02  2.3766382E-08  7.7392664E+00 -4.6760201E-02 -2.2665912E-02  7.3929700E+10 Line 10( 89): nodal depth, y, M, V, p, EI
  6.4080000E+02  1.0273210E-08  6.8157672E+00 -1.6378792E-01 -9.8417891E-03  7.3929700E+10 Line 10( 90): nodal depth, y, M, V, p, EI
  6.4800000E+02  1.5593003E-09  5.3818307E+00 -2.0462030E-01 -1.5005367E-03  7.3929700E+10 Line 10( 91): nodal depth, y, M, V, p, EI
  6.5520000E+02 -3.3808340E-09  3.8699176E+00 -1.9825746E-01  3.2679918E-03  7.3929700E+10 Line 10( 92): nodal depth, y, M, V, p, EI
  6.6240000E+02 -5.6073563E-09  2.5272816E+00 -1.6689299E-01  5.4443606E-03  7.3929700E+10 Line 10( 93): nodal depth, y, M, V, p, EI
  6.6960000E+02 -6.0617317E-09  1.4667926E+00 -1.2601136E-01  5.9116475E-03  7.3929700E+10 Line 10( 94): nodal depth, y, M, V, p, EI
  6.7680000E+02 -5.4875824E-09  7.1271202E-01 -8.5378137E-02  5.3753590E-03  7.3929700E+10 Line 10( 95): nodal depth, y, M, V, p, EI
  6.8400000E+02 -4.4136747E-09  2.3726504E-01 -5.0394093E-02  4.3424310E-03  7.3929700E+10 Line 10( 96): nodal depth, y, M, V, p, EI
  6.9120000E+02 -3.1733951E-09 -1.3078632E-02 -2.3472299E-02  3.1358452E-03  7.3929700E+10 Line 10( 97): nodal depth, y, M, V, p, EI
  6.9840000E+02 -1.9422863E-09 -1.0085963E-01 -5.2436333E-03  1.9276729E-03  7.3929700E+10 Line 10( 98): nodal depth, y, M, V, p, EI
  7.0560000E+02 -7.8190099E-10 -8.8706526E-02  4.5017830E-03  7.7938721E-04  7.3929700E+10 Line 10( 99): nodal depth, y, M, V, p, EI
  7.1280000E+02  3.1628272E-10 -3.6146881E-02  6.1677137E-03 -3.1662870E-04  7.3929700E+10 Line 10(100): nodal depth, y, M, V, p, EI
  7.2000000E+02  1.3891200E-09  0.0000000E+00  0.0000000E+00 -1.3966251E-03  7.3929700E+10 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  3.7152921E-01 -2.7893512E+06  3.0000000E+04 -6.7651532E+01  7.3929700E+10 Line 10(  1): nodal depth, y, M, V, p, EI
  7.2000000E+00  3.7055125E-01 -2.5750558E+06  2.9491040E+04 -7.3726109E+01  7.3929700E+10 Line 10(  2): nodal depth, y, M, V, p, EI
  1.4400000E+01  3.6776765E-01 -2.3644921E+06  2.8938488E+04 -7.9760762E+01  7.3929700E+10 Line 10(  3): nodal depth, y, M, V, p, EI
  2.1600000E+01  3.6332605E-01 -2.1579803E+06  2.8342708E+04 -8.5733685E+01  7.3929700E+10 Line 10(  4): nodal depth, y, M, V, p, EI
  2.8800000E+01  3.5737126E-01 -1.9558373E+06  2.7704221E+04 -9.1623636E+01  7.3929700E+10 Line 10(  5): nodal depth, y, M, V, p, EI
  3.6000000E+01  3.5004502E-01 -1.7583755E+06  2.7023701E+04 -9.7409843E+01  7.3929700E+10 Line 10(  6): nodal depth, y, M, V, p, EI
  4.3200000E+01  3.4148580E-01 -1.5659017E+06  2.6301967E+04 -1.0307192E+02  7.3929700E+10 Line 10(  7): nodal depth, y, M, V, p, EI
  5.0400000E+01  3.3182856E-01 -1.3787163E+06  2.5539984E+04 -1.0858980E+02  7.3929700E+10 Line 10(  8): nodal depth, y, M, V, p, EI
  5.7600000E+01  3.2120455E-01 -1.1971119E+06  2.4738864E+04 -1.1394370E+02  7.3929700E+10 Line 10(  9): nodal depth, y, M, V, p, EI
  6.4800000E+01  3.0974112E-01 -1.0213723E+06  2.3899856E+04 -1.1911408E+02  7.3929700E+10 Line 10( 10): nodal depth, y, M, V, p, EI
  7.2000000E+01  2.9756150E-01 -8.5177181E+05  2.3024351E+04 -1.2408159E+02  7.3929700E+10 Line 10( 11): nodal depth, y, M, V, p, EI
  7.9200000E+01  2.8478461E-01 -6.8857383E+05  2.2113880E+04 -1.2882704E+02  7.3929700E+10 Line 10( 12): nodal depth, y, M, V, p, EI
  8.6400000E+01  2.7152489E-01 -5.3203010E+05  2.1170110E+04 -1.3333141E+02  7.3929700E+10 Line 10( 13): nodal depth, y, M, V, p, EI
  9.3600000E+01  2.5789210E-01 -3.8237962E+05  2.0194844E+04 -1.3757579E+02  7.3929700E+10 Line 10( 14): nodal depth, y, M, V, p, EI
  1.0080000E+02  2.4399119E-01 -2.3984766E+05  1.9190022E+04 -1.4154140E+02  7.3929700E+10 Line 10( 15): nodal depth, y, M, V, p, EI
  1.0800000E+02  2.2992209E-01 -1.0464480E+05  1.8157719E+04 -1.4520952E+02  7.3929700E+10 Line 10( 16): nodal depth, y, M, V, p, EI
  1.1520000E+02  2.1577962E-01  2.3034068E+04  1.7100143E+04 -1.4856151E+02  7.3929700E+10 Line 10( 17): nodal depth, y, M, V, p, EI
  1.2240000E+02  2.0165329E-01  1.4301070E+05  1.6019638E+04 -1.5157878E+02  7.3929700E+10 Line 10( 18): nodal depth, y, M, V, p, EI
  1.2960000E+02  1.8762725E-01  2.5512447E+05  1.4918680E+04 -1.5424276E+02  7.3929700E+10 Line 10( 19): nodal depth, y, M, V, p, EI
  1.3680000E+02  1.7378011E-01  3.5923336E+05  1.3799881E+04 -1.5653485E+02  7.3929700E+10 Line 10( 20): nodal depth, y, M, V, p, EI
  1.4400000E+02  1.6018485E-01  4.5521488E+05  1.2665984E+04 -1.5843645E+02  7.3929700E+10 Line 10( 21): nodal depth, y, M, V, p, EI
  1.5120000E+02  1.4690880E-01  5.4296710E+05  1.1519869E+04 -1.5992883E+02  7.3929700E+10 Line 10( 22): nodal depth, y, M, V, p, EI
  1.5840000E+02  1.3401349E-01  6.2240957E+05  1.0364550E+04 -1.6099312E+02  7.3929700E+10 Line 10( 23): nodal depth, y, M, V, p, EI
  1.6560000E+02  1.2155460E-01  6.9348433E+05  9.2031782E+03 -1.6161025E+02  7.3929700E+10 Line 10( 24): nodal depth, y, M, V, p, EI
  1.7280000E+02  1.0958200E-01  7.5615691E+05  8.0390425E+03 -1.6176079E+02  7.3929700E+10 Line 10( 25): nodal depth, y, M, V, p, EI
  1.8000000E+02  9.8139617E-02  8.1041730E+05  6.8755741E+03 -1.6142487E+02  7.3929700E+10 Line 10( 26): nodal depth, y, M, V, p, EI
  1.8720000E+02  8.7265504E-02  8.5628100E+05  5.7163495E+03 -1.6058197E+02  7.3929700E+10 Line 10( 27): nodal depth, y, M, V, p, EI
  1.9440000E+02  7.6991822E-02  8.9379012E+05  4.5650959E+03 -1.5921068E+02  7.3929700E+10 Line 10( 28): nodal depth, y, M, V, p, EI
  2.0160000E+02  6.7344871E-02  9.2301442E+05  3.4256992E+03 -1.5728840E+02  7.3929700E+10 Line 10( 29): nodal depth, y, M, V, p, EI
  2.0880000E+02  5.8345143E-02  9.4405252E+05  2.3022142E+03 -1.5479079E+02  7.3929700E+10 Line 10( 30): nodal depth, y, M, V, p, EI
  2.1600000E+02  5.0007392E-02  9.5703317E+05  1.2019995E+03 -1.5082439E+02  7.3929700E+10 Line 10( 31): nodal depth, y, M, V, p, EI
  2.2320000E+02  4.2340719E-02  9.6216154E+05  1.4004551E+02 -1.4416284E+02  7.3929700E+10 Line 10( 32): nodal depth, y, M, V, p, EI
  2.3040000E+02  3.5348720E-02  9.5978276E+05 -8.7263357E+02 -1.3713691E+02  7.3929700E+10 Line 10( 33): nodal depth, y, M, V, p, EI
  2.3760000E+02  2.9029727E-02  9.5026116E+05 -1.8333433E+03 -1.2972691E+02  7.3929700E+10 Line 10( 34): nodal depth, y, M, V, p, EI
  2.4480000E+02  2.3377063E-02  9.3398120E+05 -3.0356454E+03 -2.0424590E+02  7.3929700E+10 Line 10( 35): nodal depth, y, M, V, p, EI
  2.5200000E+02  1.8379314E-02  9.0708039E+05 -4.4536380E+03 -1.8964093E+02  7.3929700E+10 Line 10( 36): nodal depth, y, M, V, p, EI
  2.5920000E+02  1.4017615E-02  8.7031679E+05 -5.7638316E+03 -1.7430175E+02  7.3929700E+10 Line 10( 37): nodal depth, y, M, V, p, EI
  2.6640000E+02  1.0266188E-02  8.2448687E+05 -6.9602971E+03 -1.5804977E+02  7.3929700E+10 Line 10( 38): nodal depth, y, M, V, p, EI
  2.7360000E+02  7.0928968E-03  7.7043474E+05 -8.0352726E+03 -1.4055452E+02  7.3929700E+10 Line 10( 39): nodal depth, y, M, V, p, EI
  2.8080000E+02  4.4598396E-03  7.0906926E+05 -8.9773578E+03 -1.2113581E+02  7.3929700E+10 Line 10( 40): nodal depth, y, M, V, p, EI
  2.8800000E+02  2.3239866E-03  6.4139924E+05 -9.7665402E+03 -9.8081518E+01  7.3929700E+10 Line 10( 41): nodal depth, y, M, V, p, EI
  2.9520000E+02  6.3788694E-04  5.6862218E+05 -1.0350897E+04 -6.4239831E+01  7.3929700E+10 Line 10( 42): nodal depth, y, M, V, p, EI
  3.0240000E+02 -6.4949101E-04  4.9249499E+05 -1.0349447E+04  6.4642662E+01  7.3929700E+10 Line 10( 43): nodal depth, y, M, V, p, EI
  3.0960000E+02 -1.5915282E-03  4.1970162E+05 -9.8006906E+03  8.7789618E+01  7.3929700E+10 Line 10( 44): nodal depth, y, M, V, p, EI
  3.1680000E+02 -2.2392678E-03  3.5144454E+05 -9.1283754E+03  9.8964618E+01  7.3929700E+10 Line 10( 45): nodal depth, y, M, V, p, EI
  3.2400000E+02 -2.6405721E-03  2.8830546E+05 -8.3935261E+03  1.0516020E+02  7.3929700E+10 Line 10( 46): nodal depth, y, M, V, p, EI
  3.3120000E+02 -2.8397147E-03  2.3060778E+05 -7.6248776E+03  1.0835327E+02  7.3929700E+10 Line 10( 47): nodal depth, y, M, V, p, EI
  3.3840000E+02 -2.8771536E-03  1.7851905E+05 -6.8408212E+03  1.0944016E+02  7.3929700E+10 Line 10( 48): nodal depth, y, M, V, p, EI
  3.4560000E+02 -2.7894138E-03  1.3209744E+05 -6.0547209E+03  1.0892105E+02  7.3929700E+10 Line 10( 49): nodal depth, y, M, V, p, EI
  3.5280000E+02 -2.6090463E-03  9.1317669E+04 -5.2770036E+03  1.0711153E+02  7.3929700E+10 Line 10( 50): nodal depth, y, M, V, p, EI
  3.6000000E+02 -2.3646463E-03  5.6087354E+04 -4.5161816E+03  1.0422791E+02  7.3929700E+10 Line 10( 51): nodal depth, y, M, V, p, EI
  3.6720000E+02 -2.0809174E-03  2.6258247E+04 -3.7794220E+03  1.0042754E+02  7.3929700E+10 Line 10( 52): nodal depth, y, M, V, p, EI
  3.7440000E+02 -1.7787761E-03  1.6343829E+03 -3.0728947E+03  9.5830041E+01  7.3929700E+10 Line 10( 53): nodal depth, y, M, V, p, EI
  3.8160000E+02 -1.4754887E-03 -1.8021709E+04 -2.4020015E+03  9.0529191E+01  7.3929700E+10 Line 10( 54): nodal depth, y, M, V, p, EI
  3.8880000E+02 -1.1848383E-03 -3.2984136E+04 -1.7715375E+03  8.4599709E+01  7.3929700E+10 Line 10( 55): nodal depth, y, M, V, p, EI
  3.9600000E+02 -9.1731659E-04 -4.3559757E+04 -1.1858164E+03  7.8100592E+01  7.3929700E+10 Line 10( 56): nodal depth, y, M, V, p, EI
  4.0320000E+02 -6.8033926E-04 -5.0085117E+04 -6.4878303E+02  7.1075342E+01  7.3929700E+10 Line 10( 57): nodal depth, y, M, V, p, EI
  4.1040000E+02 -4.7848195E-04 -5.2924174E+04 -1.6414003E+02  6.3547713E+01  7.3929700E+10 Line 10( 58): nodal depth, y, M, V, p, EI
  4.1760000E+02 -3.1373543E-04 -5.2467063E+04  2.6446057E+02  5.5508010E+01  7.3929700E+10 Line 10( 59): nodal depth, y, M, V, p, EI
  4.2480000E+02 -1.8577917E-04 -4.9130577E+04  6.3303188E+02  4.6872909E+01  7.3929700E+10 Line 10( 60): nodal depth, y, M, V, p, EI
  4.3200000E+02 -9.2273588E-05 -4.3362477E+04  9.3622176E+02  3.7346502E+01  7.3929700E+10 Line 10( 61): nodal depth, y, M, V, p, EI
  4.3920000E+02 -2.9174070E-05 -3.5656814E+04  1.1630749E+03  2.5668269E+01  7.3929700E+10 Line 10( 62): nodal depth, y, M, V, p, EI
  4.4640000E+02  8.9226523E-06 -2.6619258E+04  1.1942716E+03 -1.7002540E+01  7.3929700E+10 Line 10( 63): nodal depth, y, M, V, p, EI
  4.5360000E+02  2.8353773E-05 -1.8462180E+04  1.0415420E+03 -2.5422339E+01  7.3929700E+10 Line 10( 64): nodal depth, y, M, V, p, EI
  4.6080000E+02  3.4839089E-05 -1.1622349E+04  8.5136794E+02 -2.7403788E+01  7.3929700E+10 Line 10( 65): nodal depth, y, M, V, p, EI
  4.6800000E+02  3.3174737E-05 -6.2027227E+03  6.5513469E+02 -2.7105450E+01  7.3929700E+10 Line 10( 66): nodal depth, y, M, V, p, EI
  4.7520000E+02  2.7160993E-05 -2.1880255E+03  4.6581404E+02 -2.5483620E+01  7.3929700E+10 Line 10( 67): nodal depth, y, M, V, p, EI
  4.8240000E+02  1.9612992E-05  5.0567753E+02  2.9138179E+02 -2.2969783E+01  7.3929700E+10 Line 10( 68): nodal depth, y, M, V, p, EI
  4.8960000E+02  1.2419575E-05  2.0086093E+03  1.3737409E+02 -1.9810132E+01  7.3929700E+10 Line 10( 69): nodal depth, y, M, V, p, EI
  4.9680000E+02  6.6346090E-06  2.4845133E+03  7.9777921E+00 -1.6133284E+01  7.3929700E+10 Line 10( 70): nodal depth, y, M, V, p, EI
  5.0400000E+02  2.5917999E-06  2.1239809E+03 -5.8276805E+01 -2.2707710E+00  7.3929700E+10 Line 10( 71): nodal depth, y, M, V, p, EI
  5.1120000E+02  3.8340368E-08  1.6456572E+03 -6.6573105E+01 -3.3756608E-02  7.3929700E+10 Line 10( 72): nodal depth, y, M, V, p, EI
  5.1840000E+02 -1.3611734E-06  1.1655258E+03 -6.2359133E+01  1.2043042E+00  7.3929700E+10 Line 10( 73): nodal depth, y, M, V, p, EI
  5.2560000E+02 -1.9434126E-06  7.4778473E+02 -5.1803498E+01  1.7278168E+00  7.3929700E+10 Line 10( 74): nodal depth, y, M, V, p, EI
  5.3280000E+02 -2.0013002E-06  4.1958745E+02 -3.9146896E+01  1.7879059E+00  7.3929700E+10 Line 10( 75): nodal depth, y, M, V, p, EI
  5.4000000E+02 -1.7649702E-06  1.8406050E+02 -2.7006666E+01  1.5843803E+00  7.3929700E+10 Line 10( 76): nodal depth, y, M, V, p, EI
  5.4720000E+02 -1.3995758E-06  3.0661378E+01 -1.6758245E+01  1.2624033E+00  7.3929700E+10 Line 10( 77): nodal depth, y, M, V, p, EI
  5.5440000E+02 -1.0126814E-06 -5.7295836E+01 -8.9095420E+00  9.1779196E-01  7.3929700E+10 Line 10( 78): nodal depth, y, M, V, p, EI
  5.6160000E+02 -6.6596329E-07 -9.7672707E+01 -3.4223384E+00  6.0643127E-01  7.3929700E+10 Line 10( 79): nodal depth, y, M, V, p, EI
  5.6880000E+02 -3.8773390E-07 -1.0660876E+02  3.7893145E-02  3.5474415E-01  7.3929700E+10 Line 10( 80): nodal depth, y, M, V, p, EI
  5.7600000E+02 -1.8425928E-07 -9.7151131E+01  1.9247250E+00  1.6937581E-01  7.3929700E+10 Line 10( 81): nodal depth, y, M, V, p, EI
  5.8320000E+02 -4.8907683E-08 -7.8909657E+01  2.6970824E+00  4.5167922E-02  7.3929700E+10 Line 10( 82): nodal depth, y, M, V, p, EI
  5.9040000E+02  3.1111932E-08 -5.8323912E+01  2.7557658E+00 -2.8866993E-02  7.3929700E+10 Line 10( 83): nodal depth, y, M, V, p, EI
  5.9760000E+02  7.0234430E-08 -3.9232587E+01  2.4161556E+00 -6.5469165E-02  7.3929700E+10 Line 10( 84): nodal depth, y, M, V, p, EI
  6.0480000E+02  8.1846776E-08 -2.3533809E+01  1.9045399E+00 -7.6646303E-02  7.3929700E+10 Line 10( 85): nodal depth, y, M, V, p, EI
  6.1200000E+02  7.6957057E-08 -1.1807549E+01  1.3679773E+00 -7.2398871E-02  7.3929700E+10 Line 10( 86): nodal depth, y, M, V, p, EI
  6.1920000E+02  6.3787806E-08 -3.8340326E+00  8.9031718E-01 -6.0284492E-02  7.3929700E+10 Line 10( 87): nodal depth, y, M, V, p, EI
  6.2640000E+02  4.7930106E-08  1.0144700E+00  5.0947774E-01 -4.5504243E-02  7.3929700E+10 Line 10( 88): nodal depth, y, M, V, p, EI
  6.3360000E+02  3.2783760E-08  3.5039970E+00  2.3310576E-01 -3.1265752E-02  7.3929700E+10 Line 10( 89): nodal depth, y, M, V, p, EI
  6.4080000E+02  2.0094439E-08  4.3725847E+00  5.1246972E-02 -1.9250577E-02  7.3929700E+10 Line 10( 90): nodal depth, y, M, V, p, EI
  6.4800000E+02  1.0471204E-08  4.2430691E+00 -5.4330819E-02 -1.0076587E-02  7.3929700E+10 Line 10( 91): nodal depth, y, M, V, p, EI
  6.5520000E+02  3.8232371E-09  3.5910344E+00 -1.0391080E-01 -3.6956287E-03  7.3929700E+10 Line 10( 92): nodal depth, y, M, V, p, EI
  6.6240000E+02 -3.0667228E-10  2.7472925E+00 -1.1614313E-01  2.9775788E-04  7.3929700E+10 Line 10( 93): nodal depth, y, M, V, p, EI
  6.6960000E+02 -2.5101618E-09  1.9188900E+00 -1.0625836E-01  2.4480119E-03  7.3929700E+10 Line 10( 94): nodal depth, y, M, V, p, EI
  6.7680000E+02 -3.3681127E-09  1.2173252E+00 -8.5568276E-02  3.2992334E-03  7.3929700E+10 Line 10( 95): nodal depth, y, M, V, p, EI
  6.8400000E+02 -3.3724671E-09  6.8674995E-01 -6.1746128E-02  3.3180302E-03  7.3929700E+10 Line 10( 96): nodal depth, y, M, V, p, EI
  6.9120000E+02 -2.8952679E-09  3.2815732E-01 -3.9501586E-02  2.8610090E-03  7.3929700E+10 Line 10( 97): nodal depth, y, M, V, p, EI
  6.9840000E+02 -2.1879625E-09  1.1786789E-01 -2.1384551E-02  2.1715007E-03  7.3929700E+10 Line 10( 98): nodal depth, y, M, V, p, EI
  7.0560000E+02 -1.3980074E-09  2.0144918E-02 -8.5505025E-03  1.3935129E-03  7.3929700E+10 Line 10( 99): nodal depth, y, M, V, p, EI
  7.1280000E+02 -5.9392653E-10 -5.3390505E-03 -1.3933818E-03  5.9457623E-04  7.3929700E+10 Line 10(100): nodal depth, y, M, V, p, EI
  7.2000000E+02  2.0641055E-10  0.0000000E+00  0.0000000E+00 -2.0752575E-04  7.3929700E+10 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  2.0000000E+04  7.1367360E-01  1.6844693E+06  2.0000000E+04 -4.6415071E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  3.0000000E+04  3.7152921E-01 -2.7893512E+06  3.0000000E+04 -7.3243880E-17     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
