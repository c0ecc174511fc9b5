// Main Spanish cities for the offline base map: the provincial capitals, the autonomous cities and
// the largest other municipalities. Written by hand from public knowledge (approximate town-centre
// coordinates); rango 1 shows at every zoom, 2 from zoom 6, 3 from zoom 7, 4 (towns beside a larger
// city) from zoom 10.
(window.VardenDatosBase = window.VardenDatosBase || {}).ciudades = [
  ['Madrid', 40.4168, -3.7038, 1], ['Barcelona', 41.3874, 2.1686, 1],
  ['Valencia', 39.4699, -0.3763, 2], ['Sevilla', 37.3891, -5.9845, 2], ['Zaragoza', 41.6488, -0.8891, 2],
  ['Málaga', 36.7213, -4.4214, 2], ['Murcia', 37.9922, -1.1307, 2], ['Palma', 39.5696, 2.6502, 2],
  ['Las Palmas de Gran Canaria', 28.1235, -15.4363, 2], ['Bilbao', 43.2630, -2.9350, 2],
  ['Alicante', 38.3452, -0.4810, 2], ['Córdoba', 37.8882, -4.7794, 2], ['Valladolid', 41.6523, -4.7245, 2],
  ['Vigo', 42.2406, -8.7207, 2], ['Gijón', 43.5322, -5.6611, 2], ['A Coruña', 43.3623, -8.4115, 2],
  ['Vitoria-Gasteiz', 42.8467, -2.6716, 2], ['Granada', 37.1773, -3.5986, 2], ['Oviedo', 43.3614, -5.8593, 2],
  ['Santa Cruz de Tenerife', 28.4636, -16.2518, 2], ['Pamplona', 42.8125, -1.6458, 2],
  ['Santander', 43.4623, -3.8099, 2], ['San Sebastián', 43.3183, -1.9812, 2], ['Toledo', 39.8628, -4.0273, 2],
  ['Mérida', 38.9161, -6.3437, 2], ['Santiago de Compostela', 42.8782, -8.5448, 2], ['Logroño', 42.4627, -2.4450, 2],
  ['Elche', 38.2699, -0.7126, 3], ['Cartagena', 37.6257, -0.9966, 3], ['Jerez de la Frontera', 36.6866, -6.1372, 3],
  ['Almería', 36.8340, -2.4637, 3], ['Burgos', 42.3439, -3.6969, 3], ['Salamanca', 40.9701, -5.6635, 3],
  ['Albacete', 38.9943, -1.8585, 3], ['Castellón de la Plana', 39.9864, -0.0513, 3], ['Badajoz', 38.8794, -6.9707, 3],
  ['Huelva', 37.2614, -6.9447, 3], ['Cádiz', 36.5271, -6.2886, 3], ['León', 42.5987, -5.5671, 3],
  ['Tarragona', 41.1189, 1.2445, 3], ['Lleida', 41.6176, 0.6200, 3], ['Girona', 41.9794, 2.8214, 3],
  ['Jaén', 37.7796, -3.7849, 3], ['Ourense', 42.3358, -7.8639, 3], ['Lugo', 43.0097, -7.5560, 3],
  ['Pontevedra', 42.4310, -8.6444, 3], ['Cáceres', 39.4753, -6.3724, 3], ['Guadalajara', 40.6330, -3.1669, 3],
  ['Ciudad Real', 38.9848, -3.9274, 3], ['Palencia', 42.0095, -4.5288, 3], ['Zamora', 41.5034, -5.7446, 3],
  ['Ávila', 40.6566, -4.6818, 3], ['Segovia', 40.9429, -4.1088, 3], ['Soria', 41.7640, -2.4688, 3],
  ['Cuenca', 40.0704, -2.1374, 3], ['Teruel', 40.3457, -1.1065, 3], ['Huesca', 42.1362, -0.4087, 3],
  ['Ceuta', 35.8894, -5.3213, 3], ['Melilla', 35.2923, -2.9381, 3], ['Algeciras', 36.1408, -5.4562, 3],
  ['Marbella', 36.5101, -4.8825, 3], ['Alcalá de Henares', 40.4818, -3.3643, 4], ['Móstoles', 40.3223, -3.8649, 4],
  ['Fuenlabrada', 40.2842, -3.7942, 4], ['Getafe', 40.3057, -3.7329, 4], ['Leganés', 40.3272, -3.7635, 4],
  ["L'Hospitalet de Llobregat", 41.3596, 2.0999, 4], ['Badalona', 41.4500, 2.2474, 4], ['Sabadell', 41.5463, 2.1086, 4],
  ['Terrassa', 41.5632, 2.0089, 4], ['Ibiza', 38.9067, 1.4206, 3], ['Mahón', 39.8885, 4.2658, 3],
  ['Arrecife', 28.9630, -13.5477, 3], ['Puerto del Rosario', 28.5004, -13.8627, 3]
];
