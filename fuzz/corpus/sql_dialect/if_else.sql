if exists (select * from tbDover where  (idpredpr=:idpredpr) )
           select Fio from tbDover where  (idpredpr=:idpredpr)
else
           select Fio from tbDover where idpredpr=(select idplat from tbpredpr where idpredpr=:idpredpr) 
