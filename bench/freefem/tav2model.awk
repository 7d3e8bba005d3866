# A project file (.tav) as bench/freefem/model.edp reads it; with
# points=FILE, its internal points are written there, "x y" a line.
NR == 1 { nn = $1; ne = $2; nc = $3; nbd = $4; ni = $5; line = 1; next }
{ line++ }
line <= 1 + nn { x[line - 1] = $1; y[line - 1] = $2; next }
line <= 1 + nn + ne { e = line - 1 - nn; a[e] = $1; b[e] = $2; c[e] = $3; next }
line <= 1 + nn + ne + nc {
  k = line - 1 - nn - ne; kind[k] = $1 + 0; val[k] = $2
  if ($2 != $3 || $2 != $4) varying = 1
  next
}
line <= 1 + nn + ne + nc + nbd { next }
line == 2 + nn + ne + nc + nbd { conductivity = $1; ambient = $2; next }
line <= 2 + nn + ne + nc + nbd + ni { if (points != "") print $1, $2 > points; next }
END {
  if (varying) { print "a condition varies along its elements" > "/dev/stderr"; exit 1 }
  printf "%d %d %s %s\n", ne, nc, conductivity, ambient
  for (e = 1; e <= ne; e++) printf "%s %s %s %s %d\n", x[a[e]], y[a[e]], x[b[e]], y[b[e]], c[e]
  for (k = 1; k <= nc; k++) printf "%d %s\n", kind[k], val[k]
}
