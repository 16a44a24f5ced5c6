2:two
1:
