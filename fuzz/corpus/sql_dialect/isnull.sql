select ISNULL(tbPredpr.NamePredprShort,'') As NamePredpr, IsNull (x, 0) from PrintString
where PrintString.IdDoc= :Iddoc -- isnull(
and n = 'ISNULL(''x'')' /* ISNULL( */
